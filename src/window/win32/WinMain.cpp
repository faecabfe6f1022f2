#include <windows.h>

#include <commctrl.h>

#include "platform/win32/DllSearch.h"
#include "platform/win32/Win32Platform.h"
#include "window/win32/MainWindow.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    // First of all, as Windows loads some DLLs by name later, when they are
    // needed (input methods, the visual styles).
    vantrel::win32::searchDllsInSystemFolderOnly();

    // Loads the common controls that the manifest asks for, so the controls take the system's look.
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    vantrel::win32::Win32Platform platform;
    vantrel::win32::MainWindow window(instance, platform);
    if (window.handle() == nullptr) {
        return 1;
    }
    platform.setOwnerWindow(window.handle());
    return window.run(showCommand);
}
