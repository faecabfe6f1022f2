#include <windows.h>

#include <commctrl.h>

#include "win32/platform/DllSearch.h"
#include "win32/platform/Win32Platform.h"
#include "win32/window/VantrelProgram.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    // First of all, as Windows loads some DLLs by name later, when they are
    // needed (input methods, the visual styles).
    vantrel::win32::searchDllsInSystemFolderOnly();

    // Loads the common controls that the manifest asks for, so the controls take the system's look.
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    vantrel::win32::Win32Platform platform;
    return vantrel::win32::runVantrel(instance, platform, showCommand);
}
