#include "win32/platform/ConsoleStart.h"

#include <windows.h>

#include <string>

#include "launchplan/ConsoleLaunchPlan.h"
#include "win32/common/SystemFunction.h"
#include "win32/common/UniqueHandles.h"
#include "win32/common/WideText.h"

namespace vantrel::win32 {
namespace {

// The real version: GetVersionEx reports what the program's manifest claims to support.
WindowsVersion windowsVersion() {
    using RtlGetVersionFunction = LONG WINAPI(OSVERSIONINFOW*);
    const auto rtlGetVersion = systemFunction<RtlGetVersionFunction>(L"ntdll.dll", "RtlGetVersion");
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (rtlGetVersion == nullptr || rtlGetVersion(&info) != 0) {
        return {};
    }
    return {info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber};
}

std::u16string folder(UINT(WINAPI* query)(LPWSTR, UINT)) {
    std::wstring path(MAX_PATH, L'\0');
    const UINT length = query(path.data(), static_cast<UINT>(path.size()));
    path.resize(length < path.size() ? length : 0);
    return utf16(path);
}

bool underWow64() {
    BOOL wow64 = FALSE;
    return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

bool startProcess(const ProcessLaunch& launch, const wchar_t* workingFolder) {
    const std::wstring application = wide(launch.application);
    std::wstring commandLine = wide(launch.commandLine);  // CreateProcessW may write into it
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNOACTIVATE;
    PROCESS_INFORMATION started{};
    const DWORD flags = launch.needsNewConsole ? CREATE_NEW_CONSOLE : 0;
    if (!CreateProcessW(application.c_str(), commandLine.data(), nullptr, nullptr, FALSE, flags,
                        nullptr, workingFolder, &startup, &started)) {
        return false;
    }
    // Nothing is kept of the console: both handles go at once.
    const UniqueHandle process(started.hProcess);
    const UniqueHandle thread(started.hThread);
    return true;
}

}  // namespace

bool startConsoleProcess(std::optional<std::u16string_view> workingFolder) {
    const std::u16string systemFolder =
        nativeSystemFolder(underWow64(), folder(GetSystemDirectoryW), folder(GetWindowsDirectoryW));
    if (systemFolder.empty()) {
        return false;  // a bare "cmd.exe" would be searched for, in the current folder first
    }
    const std::wstring folder = workingFolder ? wide(*workingFolder) : std::wstring();
    for (const ProcessLaunch& launch : consoleLaunchPlan(windowsVersion(), systemFolder)) {
        if (startProcess(launch, workingFolder ? folder.c_str() : nullptr)) {
            return true;
        }
    }
    return false;
}

}  // namespace vantrel::win32
