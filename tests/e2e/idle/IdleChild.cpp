// A process that does nothing for a minute, or until the driver ends it: the
// driver reads the environment that it was started with.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    Sleep(60'000);
    return 0;
}
