#pragma once

#include <windows.h>

namespace vantrel::win32 {

// The DPI the window is shown at: its monitor's where Windows tells it
// (Windows 10 1607 and later), else the system's.
int windowDpi(HWND window);

}  // namespace vantrel::win32
