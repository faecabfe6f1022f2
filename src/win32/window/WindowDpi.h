#pragma once

#include <windows.h>

namespace vantrel::win32 {

// The DPI the window is shown at: its monitor's where Windows tells it
// (Windows 10 1607 and later), else the system's.
int windowDpi(HWND window);

// The frame rectangle around the client rectangle for a window of that style
// with a menu bar, with the caption and borders as tall as the DPI makes them.
RECT frameForClientArea(const RECT& client, DWORD style, DWORD exStyle, int dpi);

}  // namespace vantrel::win32
