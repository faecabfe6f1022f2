#include "driver/ProgramProcess.h"

#include <stdexcept>
#include <vector>

#include "driver/CrossProcess.h"
#include "driver/MessagePump.h"
#include "driver/Units.h"

namespace e2e {
namespace {

constexpr wchar_t kMainWindowClass[] = L"Vantrel.Form1";

struct WindowSearch {
    DWORD processId;
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && className(window) == search->className) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::runtime_error programStartFailure(const std::wstring& exePath) {
    const DWORD error = GetLastError();
    return std::runtime_error("could not start " + utf8(exePath) + " (Windows error " +
                              std::to_string(error) + ")");
}

HWND findProcessWindow(DWORD processId, const wchar_t* className) {
    WindowSearch search{processId, className, nullptr};
    EnumWindows(&matchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

ProgramProcess::ProgramProcess(const std::wstring& exePath, const std::wstring& workingDirectory) {
    if (exePath.empty()) {
        throw std::runtime_error("no vantrel.exe given: pass --vantrel=PATH or set VANTREL_EXE");
    }
    std::vector<wchar_t> commandLine;
    const std::wstring quoted = L"\"" + exePath + L"\"";
    commandLine.assign(quoted.begin(), quoted.end());
    commandLine.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    const wchar_t* directory = workingDirectory.empty() ? nullptr : workingDirectory.c_str();
    if (!CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory, &startup, &started)) {
        throw programStartFailure(exePath);
    }
    process_.reset(started.hProcess);
    const UniqueHandle thread(started.hThread);
    processId_ = started.dwProcessId;

    // The program shows its window before it first waits for input: once it
    // idles, one search finds the window (searching all along costs Wine's
    // server as much as the start itself).
    WaitForInputIdle(process_.get(), static_cast<DWORD>(kPatience.count()));
    const bool shown = pumpUntil([this] {
        mainWindow_ = findProcessWindow(processId_, kMainWindowClass);
        return mainWindow_ != nullptr && IsWindowVisible(mainWindow_);
    });
    if (!shown) {
        throw std::runtime_error(utf8(exePath) +
                                 " showed no visible window of class Vantrel.Form1");
    }
}

ProgramProcess::~ProgramProcess() {
    if (isRunning()) {
        TerminateProcess(process_.get(), 0);
        WaitForSingleObject(process_.get(), 5000);
    }
}

bool ProgramProcess::isRunning() const {
    return WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

}  // namespace e2e
