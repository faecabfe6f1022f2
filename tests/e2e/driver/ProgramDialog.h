#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "driver/MessagePump.h"
#include "driver/ShownIcon.h"

namespace e2e {

// A modal dialog of the program: its input box or a message box ("#32770").
class ProgramDialog {
  public:
    // Waits for a visible dialog of the program's UI thread; the check fails without one.
    static ProgramDialog waitFor(DWORD programThreadId,
                                 std::chrono::milliseconds timeout = kPatience);
    // The visible dialog of that thread right now, or null.
    static HWND findOpen(DWORD programThreadId);

    HWND handle() const { return dialog_; }
    std::wstring title() const;
    std::wstring messageText() const;  // a message box's text
    std::wstring prompt() const;       // the input box's prompt
    std::wstring answer() const;       // the input box's edit field
    bool hasButton(int id) const;
    int defaultButton() const;  // the button that Enter presses
    // The standard icon that a message box shows, told by its pixels once it
    // is drawn (None when it shows none within the driver's patience).
    StandardIcon icon() const;
    HWND owner() const { return GetWindow(dialog_, GW_OWNER); }

    void setAnswer(std::wstring_view text);
    // An Open dialog: the names in its list of file types, and a choice:
    // the path typed into its file-name field, then Open pressed.
    std::vector<std::wstring> fileTypes() const;
    void chooseFile(std::wstring_view path);
    // Clicks the button and waits until the dialog has closed.
    void press(int id);

  private:
    explicit ProgramDialog(HWND dialog) : dialog_(dialog) {}
    HWND item(int id) const;

    HWND dialog_;
};

// The control ids of the program's input box.
inline constexpr int kPromptTextId = 1001;
inline constexpr int kAnswerEditId = 1002;
// The text and the icon of a standard message box.
inline constexpr int kMessageTextId = 0xFFFF;
inline constexpr int kMessageIconId = 0x440;
// The file-name field of the Open dialog: a ComboBoxEx with an edit field inside.
inline constexpr int kOpenFileNameId = 0x47C;
inline constexpr int kOpenFileTypesId = 0x470;

}  // namespace e2e
