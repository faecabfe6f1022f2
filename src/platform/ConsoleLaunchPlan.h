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

// The process starts to try, in order, until one succeeds. Always full paths
// in the system folders, so a cmd.exe planted beside the program never runs.
// From Windows 10 on, another terminal may host a plain cmd.exe, leaving no
// console window to type into; conhost.exe always gives a classic one.
// conhostDirectory is the 64-bit system folder, which a 32-bit program on
// 64-bit Windows reaches as %windir%\Sysnative.
std::vector<ProcessLaunch> consoleLaunchPlan(const WindowsVersion& version,
                                             std::u16string_view systemDirectory,
                                             std::u16string_view conhostDirectory);

}  // namespace vantrel
