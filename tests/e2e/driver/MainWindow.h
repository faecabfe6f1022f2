#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "ports/ControlIds.h"

namespace e2e {

// The program's main window, worked from outside as a user would.
class MainWindow {
  public:
    explicit MainWindow(HWND window);

    HWND handle() const { return window_; }
    DWORD threadId() const { return threadId_; }
    DWORD processId() const;

    // The child control with this command id; the check fails when it is missing.
    HWND control(int id) const;
    bool hasControl(int id) const { return GetDlgItem(window_, id) != nullptr; }

    std::wstring text(int id) const;
    void typeText(int id, std::wstring_view text);  // into Text1 or a list's edit field
    bool isChecked(int id) const;
    std::vector<std::wstring> listItems(int comboId) const;

    // User actions, posted like real input. Each returns before the program
    // has handled it: follow with settle() or wait for the expected effect.
    void click(int id);
    void pickListItem(int comboId, int index);
    void clickFreeArea();
    void clickStatusBar();
    void chooseMenuItem(int id);

    // Real key presses (SendInput) into the program's window, which is made
    // the foreground window first. Each waits until the focus has moved, as
    // every key press of the checks makes it, and the program has handled the
    // key; false when the focus stayed where it was.
    bool pressKey(WORD virtualKey);
    bool pressShiftTab();
    // Makes the program's window the foreground window, as a click on its
    // caption does, and returns once the program has handled its activation.
    void activate();

    // Returns once the program has handled everything posted to it so far
    // (if that opened a modal dialog: once the dialog is up).
    void settle();
    // Whether the program answers a message within the driver's patience.
    bool answers() const;

    // The status bar under the controls, and what it says.
    HWND statusBar() const { return control(vantrel::kPhoneStatusBar); }
    std::wstring phoneStatus() const;

    HWND focusedWindow() const;
    // The id of the control that holds the focus (a list when its edit field
    // has it); 0 when no control has it.
    int focusedControlId() const;
    RECT controlRectInClient(int id) const;
    SIZE clientSize() const;
    int dpi() const;  // the screen's, which the program lays itself out for

  private:
    bool isActive() const;
    bool pressKeyAndWait(WORD virtualKey, bool shift);

    HWND window_;
    DWORD threadId_;
};

}  // namespace e2e
