#pragma once

#include <windows.h>

#include "ports/Platform.h"
#include "win32/window/MainWindow.h"

namespace vantrel::win32 {

// The program from its window on: makes the main window and runs it until it
// is closed; or, when it cannot be made, says so in a box that stays until
// the user closes it. The program's exit code: 1 when the window could not be made.
int runVantrel(HINSTANCE instance, Platform& platform, int showCommand,
               MainWindow::ControlMaker makeControl = &createControl);

}  // namespace vantrel::win32
