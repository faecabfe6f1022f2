// A DLL that does nothing, built beside the test program, where Windows looks
// for DLLs first unless the search is restricted.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return TRUE;
}
