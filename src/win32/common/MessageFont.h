#pragma once

#include <windows.h>

namespace vantrel::win32 {

// The DPI the system was started with, which fonts of the system settings use.
int systemDpi();

// The font of message boxes as the user's display settings choose it, with
// its height scaled to the given DPI.
LOGFONTW messageFont(int dpi);

}  // namespace vantrel::win32
