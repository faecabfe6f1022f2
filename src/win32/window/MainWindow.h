#pragma once

#include <windows.h>

#include <array>
#include <optional>

#include "app/Form.h"
#include "ports/Platform.h"
#include "ports/View.h"
#include "win32/common/UniqueHandles.h"
#include "win32/window/ControlWindows.h"
#include "win32/window/DevicePropertiesDialog.h"
#include "win32/window/OpenFileDialog.h"
#include "win32/window/PhoneCounter.h"

namespace vantrel::win32 {

// The one window of the tool: a fixed dialog frame without a taskbar button,
// its controls in tab order, the menu bar, and the message loop. It reports
// every event to the form and shows what the form decides.
class MainWindow final : public View {
  public:
    // Makes one control of the window: createControl, or in tests one that fails.
    using ControlMaker = HWND (*)(HWND parent, const ControlDefinition& definition, int dpi,
                                  HFONT font);

    MainWindow(HINSTANCE instance, Platform& platform, ControlMaker makeControl = &createControl);

    // Whether the window and all its controls and menus were made; if not,
    // nothing of it is left and creationError() says why.
    bool created() const { return window_ != nullptr; }
    DWORD creationError() const { return creationError_; }
    HWND handle() const { return window_.get(); }

    // Starts the form, which shows the window, and handles messages until the
    // window is closed; the program's exit code.
    int run(int showCommand);

    bool isSelected(Mode mode) const override;
    std::u16string listText(List list) const override;
    std::u16string statusText() const override;
    void setStatusText(const std::u16string& text) override;
    void setPhoneStatus(const std::u16string& text) override;
    void lookForPhonesAgain() override;
    void selectMode(Mode mode) override;
    void focusControl(ControlId id) override;
    void setCaption(const std::u16string& caption) override;
    void show() override;
    std::u16string inputPrompt(std::u16string_view prompt, std::u16string_view title,
                               std::u16string_view defaultText) override;
    BoxAnswer messageBox(std::u16string_view text, BoxKind kind,
                         std::u16string_view title) override;
    std::optional<std::u16string> chooseFile(const FileChoice& choice) override;
    bool showDeviceProperties(std::u16string_view instanceId) override;

  private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void onCommand(int id, int notification);
    // Back from another program: the focus returns to the control that had it,
    // unless the form names another.
    void restoreFocus();
    // An arrow key on an option button; true when the form took it.
    bool arrowKeyTaken(const MSG& message);

    DWORD createWindow(HINSTANCE instance);
    DWORD createControls(int dpi);
    // Sizes the frame for the client area at this DPI, menu bar included: the
    // controls' area and the status bar below it.
    void sizeClientArea(int dpi);
    // From now on the status bar follows the attached phones.
    void watchPhones();
    // Everything again for a new DPI, with the font made for it.
    void layoutForDpi(int dpi);

    HWND control(int id) const { return GetDlgItem(window_.get(), id); }
    std::array<HWND, 3> lists() const;

    Form form_;
    ControlMaker makeControl_;
    // Only a window that ran ends the program when it goes: a half-built one
    // must not end the box that says why it could not be made.
    bool running_ = false;
    UniqueWindow owner_;  // hidden; owning the main window keeps it off the taskbar
    UniqueFont font_;
    UniqueWindow window_;
    HWND statusBar_ = nullptr;  // a child: it goes with the window
    UniqueResource<HDEVNOTIFY, &UnregisterDeviceNotification> deviceNotification_;
    std::optional<PhoneCounter> phoneCounter_;
    OpenFileDialog openFileDialog_;
    DevicePropertiesDialog devicePropertiesDialog_;
    DWORD creationError_ = ERROR_SUCCESS;
    int showCommand_ = SW_SHOWNORMAL;
    HWND focusBeforeDeactivation_ = nullptr;
};

}  // namespace vantrel::win32
