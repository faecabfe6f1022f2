#pragma once

#include <windows.h>

#include "app/WindowLayout.h"

namespace vantrel::win32 {

// Creates one control of the main window at its place for the DPI, in the
// given font, with its caption, or its list and initial text; nullptr when
// Windows could not make it.
HWND createControl(HWND parent, const ControlDefinition& definition, int dpi, HFONT font);

// Moves the control to its place for another DPI, in that DPI's font.
void placeControl(HWND control, const ControlDefinition& definition, int dpi, HFONT font);

}  // namespace vantrel::win32
