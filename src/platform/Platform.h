#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantrel {

// A top-level window as the operating system names it; 0 means "no window".
using WindowHandle = std::uintptr_t;

// Message-box styles and answers, with the values Windows gives them.
namespace box {
inline constexpr int kYesNoInformation = 4 + 64;  // MB_YESNO | MB_ICONINFORMATION
inline constexpr int kOkCancelError = 1 + 16;     // MB_OKCANCEL | MB_ICONERROR
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;
}  // namespace box

// What a path names in the file system. Hidden or system entries, files and
// folders alike, are kept apart because the tool never treats them as its own.
enum class EntryKind { Missing, OrdinaryFile, Directory, HiddenOrSystem };

struct LocalTime {
    int year = 0;
    int month = 0;  // 1 to 12
    int day = 0;    // 1 to 31
    int hour = 0;   // 0 to 23
    int minute = 0;
    int second = 0;
};

// Everything the tool asks of the operating system. The Windows build has the
// real implementation; the unit tests use a recording fake.
class Platform {
  public:
    virtual ~Platform() = default;

    // First top-level window of class "ConsoleWindowClass" in Z order, or 0.
    virtual WindowHandle findConsoleWindow() = 0;
    // Posts one WM_CHAR carrying a UTF-16 code unit; false when the post failed.
    virtual bool postCharacter(WindowHandle window, char16_t codeUnit) = 0;
    // Opens a new console window without activating it; false when none could be started.
    virtual bool startConsole() = 0;

    // Modal input box owned by the main window; the empty string on Cancel.
    virtual std::u16string inputPrompt(std::u16string_view prompt, std::u16string_view title,
                                       std::u16string_view defaultText) = 0;
    // Modal message box owned by the main window; the pressed button's code.
    virtual int confirmBox(std::u16string_view prompt, int style, std::u16string_view title) = 0;

    virtual EntryKind entryKind(std::u16string_view path) = 0;
    // Makes one folder level; true when the folder exists afterwards.
    virtual bool createDirectory(std::u16string_view path) = 0;
    // Removes an empty folder; false when it could not be removed.
    virtual bool removeEmptyDirectory(std::u16string_view path) = 0;
    virtual bool deleteFile(std::u16string_view path) = 0;

    virtual LocalTime localTime() = 0;
};

}  // namespace vantrel
