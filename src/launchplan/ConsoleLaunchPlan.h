#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

struct WindowsVersion {
    unsigned major = 0;
    unsigned minor = 0;
    unsigned build = 0;
};

// One process start: the program's full path and its whole command line.
struct ProcessLaunch {
    std::u16string application;
    std::u16string commandLine;
    // cmd.exe must get a console of its own, even when the program was started
    // from one; conhost.exe is the console host and opens its own window.
    bool needsNewConsole;
};

// The folder of the system's own cmd.exe and conhost.exe. A 32-bit program on
// 64-bit Windows (WOW64) sees the 32-bit folder as System32, which has no
// conhost.exe and only a 32-bit cmd.exe; it reaches the native one as
// %windir%\Sysnative. Empty when a folder is unknown.
std::u16string nativeSystemFolder(bool underWow64, std::u16string_view systemDirectory,
                                  std::u16string_view windowsDirectory);

// The process starts to try, in order, until one succeeds. Always full paths
// in the system folder, so a cmd.exe planted beside the program never runs.
// From Windows 10 on, another terminal may host a plain cmd.exe, leaving no
// console window to type into; conhost.exe always gives a classic one.
std::vector<ProcessLaunch> consoleLaunchPlan(const WindowsVersion& version,
                                             std::u16string_view systemFolder);

}  // namespace vantrel
