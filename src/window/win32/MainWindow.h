#pragma once

#include <windows.h>

#include "platform/win32/UniqueHandles.h"
#include "platform/win32/Win32Platform.h"
#include "window/Form1.h"
#include "window/WindowView.h"

namespace vantrel::win32 {

// The one window of the tool: a fixed dialog frame without a taskbar button,
// its controls in tab order, the menu bar, and the message loop.
class MainWindow final : public WindowView {
  public:
    MainWindow(HINSTANCE instance, Win32Platform& platform);

    // nullptr when the window could not be created.
    HWND handle() const { return window_.get(); }

    // Runs the load handler, shows the window in normal mode and handles
    // messages until the window is closed; the program's exit code.
    int run(int showCommand);

    bool isSelected(Mode mode) const override;
    std::u16string listText(List list) const override;
    std::u16string statusText() const override;
    void setStatusText(const std::u16string& text) override;

  private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void onCommand(int id, int notification);
    void checkOnly(ControlId option);

    void createWindow(HINSTANCE instance);
    // Positions the window and every control from their twips; kept in one
    // place so that a change of DPI can run it again.
    void layoutForDpi(int dpi);
    void sizeClientArea(int dpi);

    HWND control(ControlId id) const { return GetDlgItem(window_.get(), id); }

    Form1 form_;
    UniqueWindow owner_;  // hidden; owning the main window keeps it off the taskbar
    UniqueFont font_;
    UniqueWindow window_;
    HWND focusBeforeDeactivation_ = nullptr;
};

}  // namespace vantrel::win32
