// probehost.exe: hooks vantrel.exe's UI thread with the probe beside it.
// A hook can only load a DLL of the hooking process's own bitness into
// another process, so each build of the program has a host of its bitness.
//   probehost.exe THREAD WINDOW RECEIVER [PATH-ATOM]
//       hooks THREAD with probe.dll, asks WINDOW (the main window) on behalf
//       of RECEIVER (the driver's window) to take a drop of the file whose
//       full path the global atom PATH-ATOM holds, or else for its menu bar,
//       and keeps the hook until WM_QUIT arrives or kLongest has passed.
//   probehost.exe
//       only exits, with the width of its pointers in bits (32 or 64):
//       scripts/e2e.sh runs it to learn whether 32-bit programs run here.
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "probe/ProbeProtocol.h"
#include "win32/common/UniqueHandles.h"

namespace {

constexpr UINT kLongestMs = 30000;
constexpr int kBadArguments = 100;
constexpr int kNoProbe = 101;
constexpr int kNoHook = 102;

std::wstring besideThisProgram(const wchar_t* fileName) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring self(path);
    return self.substr(0, self.find_last_of(L"\\/") + 1) + fileName;
}

HWND windowArgument(const wchar_t* text) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(std::wcstoull(text, nullptr, 10)));
}

int hookAndAsk(DWORD threadId, HWND mainWindow, HWND receiver, UINT request, LPARAM argument) {
    const vantrel::win32::UniqueModule probeDll(
        LoadLibraryW(besideThisProgram(L"probe.dll").c_str()));
    const auto hookProc = probeDll ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(
                                         GetProcAddress(probeDll.get(), probe::kHookProcName)))
                                   : nullptr;
    if (hookProc == nullptr) {
        return kNoProbe;
    }
    const vantrel::win32::UniqueHook hook(
        SetWindowsHookExW(WH_GETMESSAGE, hookProc, probeDll.get(), threadId));
    if (!hook) {
        return kNoHook;
    }
    PostMessageW(mainWindow, request, reinterpret_cast<WPARAM>(receiver), argument);
    // The driver posts WM_QUIT once the answer is in; the timer ends a host
    // whose driver is gone.
    SetTimer(nullptr, 0, kLongestMs, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0 && message.message != WM_TIMER) {
        DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    if (__argc == 1) {
        return static_cast<int>(sizeof(void*) * 8);
    }
    if (__argc != 4 && __argc != 5) {
        return kBadArguments;
    }
    const bool drop = __argc == 5;
    const UINT request =
        RegisterWindowMessageW(drop ? probe::kDropFileMessage : probe::kReadMenuBarMessage);
    const LPARAM pathAtom = drop ? static_cast<LPARAM>(std::wcstoul(__wargv[4], nullptr, 10)) : 0;
    return hookAndAsk(static_cast<DWORD>(std::wcstoul(__wargv[1], nullptr, 10)),
                      windowArgument(__wargv[2]), windowArgument(__wargv[3]), request, pathAtom);
}
