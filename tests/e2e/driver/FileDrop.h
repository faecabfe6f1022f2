#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// Drops one file onto the program's main window, as Explorer does, and
// returns once the window has handled the drop. The probe delivers it from
// inside the program: Wine hands a file list posted from another process over
// as a handle that means nothing there.
void dropFile(HWND mainWindow, const std::wstring& path);

}  // namespace e2e
