#pragma once

#include <windows.h>

#include "window/FormLayout.h"

namespace vantrel::win32 {

// Creates one control of the main window with its caption, or its list and
// initial text; placeControl gives it its place.
HWND createControl(HWND parent, const ControlSpec& definition);

// Places the control at its twips rectangle for the DPI, in the given font.
void placeControl(HWND control, const ControlSpec& definition, int dpi, HFONT font);

}  // namespace vantrel::win32
