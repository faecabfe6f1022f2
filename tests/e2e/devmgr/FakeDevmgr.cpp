// Stands in for Windows' devmgr.dll, which Wine lacks, in the system folder
// of a test's Wine prefix: records the command line that the Properties
// dialog would be opened with, and returns as the closed dialog does.
#include <windows.h>

#include "devmgr/DevmgrRecord.h"

extern "C" __declspec(dllexport) void WINAPI
    DeviceProperties_RunDLLW(HWND, HINSTANCE, LPCWSTR commandLine, int) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kDevmgrRecordKey, kDevmgrRecordValue, REG_SZ, commandLine,
                    static_cast<DWORD>((lstrlenW(commandLine) + 1) * sizeof(wchar_t)));
}
