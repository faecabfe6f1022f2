#include <windows.h>

#include <commctrl.h>

#include "win32/platform/DllSearch.h"
#include "win32/platform/Win32Platform.h"
#include "win32/window/MainWindow.h"
#include "win32/window/StartupFailure.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    // First of all, as Windows loads some DLLs by name later, when they are
    // needed (input methods, the visual styles).
    vantrel::win32::searchDllsInSystemFolderOnly();

    // Loads the common controls that the manifest asks for, so the controls take the system's look.
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    vantrel::win32::Win32Platform platform;
    vantrel::win32::MainWindow window(instance, platform);
    if (!window.created()) {
        vantrel::win32::showStartupFailure(window.creationError());
        return 1;
    }
    return window.run(showCommand);
}
