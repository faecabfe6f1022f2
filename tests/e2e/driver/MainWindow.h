#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace e2e {

// The program's main window, worked from outside as a user would.
class MainWindow {
  public:
    explicit MainWindow(HWND window);

    HWND handle() const { return window_; }
    DWORD threadId() const { return threadId_; }

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
    void chooseMenuItem(int id);

    // Returns once the program has handled everything posted to it so far
    // (if that opened a modal dialog: once the dialog is up).
    void settle();
    // Whether the program answers a message within the driver's patience.
    bool answers() const;

    HWND focusedWindow() const;
    RECT controlRectInClient(int id) const;
    SIZE clientSize() const;
    int dpi() const;  // the screen's, which the program lays itself out for

  private:
    HWND window_;
    DWORD threadId_;
};

}  // namespace e2e
