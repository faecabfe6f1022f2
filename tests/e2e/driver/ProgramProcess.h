#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>

#include "win32/common/UniqueHandles.h"

namespace e2e {

using vantrel::win32::UniqueHandle;

// One run of vantrel.exe: started by the constructor, which waits for its
// main window to be shown, and ended by the destructor. An empty working
// directory means the driver's own.
class ProgramProcess {
  public:
    explicit ProgramProcess(const std::wstring& exePath, const std::wstring& workingDirectory = {});
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    HWND mainWindow() const { return mainWindow_; }
    bool isRunning() const;

  private:
    UniqueHandle process_;
    DWORD processId_ = 0;
    HWND mainWindow_ = nullptr;
};

// What the driver throws when CreateProcessW failed on a program: its path and
// Windows' error code (GetLastError, read here).
std::runtime_error programStartFailure(const std::wstring& exePath);

// Top-level window of the class in the given process, or null.
HWND findProcessWindow(DWORD processId, const wchar_t* className);

}  // namespace e2e
