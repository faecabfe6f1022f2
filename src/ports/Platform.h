#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// A top-level window as the operating system names it; 0 means "no window".
using WindowHandle = std::uintptr_t;

struct ConsoleWindow {
    WindowHandle handle;
    bool visible;  // a minimized window is visible too
};

enum class PostResult {
    Posted,
    Refused,  // the window's process runs with higher rights and takes no input from us
    Failed,   // the window is gone, or its queue is full
};

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

    // Every top-level window of class "ConsoleWindowClass", first in Z order first.
    virtual std::vector<ConsoleWindow> consoleWindows() = 0;
    // Posts one WM_CHAR carrying a UTF-16 code unit.
    virtual PostResult postCharacter(WindowHandle window, char16_t codeUnit) = 0;
    // Opens a new console window without activating it, in that folder or, with
    // none, in the program's own current folder; false when none could be started.
    virtual bool startConsole(std::optional<std::u16string_view> workingFolder) = 0;
    // Whether a Windows Terminal window is shown: the consoles it hosts have no
    // console window of their own, so nothing can be typed into them.
    virtual bool terminalWindowShown() = 0;

    virtual EntryKind entryKind(std::u16string_view path) = 0;
    // Up to maxBytes from the start of the file, never more, read while other
    // programs may read and write it too; nothing when it cannot be read (it
    // is locked, or access is denied). A shorter file gives all it has.
    virtual std::optional<std::vector<std::uint8_t>> readFileStart(std::u16string_view path,
                                                                   std::size_t maxBytes) = 0;
    // Whether the path names a folder, hidden or not.
    virtual bool isDirectory(std::u16string_view path) = 0;
    // Makes one folder level; true when the folder exists afterwards.
    virtual bool createDirectory(std::u16string_view path) = 0;
    // Removes an empty folder; false when it could not be removed.
    virtual bool removeEmptyDirectory(std::u16string_view path) = 0;
    virtual bool deleteFile(std::u16string_view path) = 0;

    virtual LocalTime localTime() = 0;

    // A variable of the program's own environment; nothing when it is not set.
    virtual std::optional<std::u16string> environmentVariable(std::u16string_view name) = 0;
    // Sets a variable of the program's own environment, which consoles started
    // later inherit; no value removes it.
    virtual void setEnvironmentVariable(std::u16string_view name,
                                        std::optional<std::u16string_view> value) = 0;
};

}  // namespace vantrel
