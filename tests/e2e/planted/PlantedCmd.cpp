// Planted as "cmd.exe" beside vantrel.exe and in its working folder: the
// program must never run it. If it does, it leaves a flag file behind.
#include <windows.h>

#include "win32/common/UniqueHandles.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    HANDLE flag = CreateFileW(L"C:\\vantrel-e2e-planted-cmd-ran", GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (flag != INVALID_HANDLE_VALUE) {
        const vantrel::win32::UniqueHandle closed(flag);
    }
    return 0;
}
