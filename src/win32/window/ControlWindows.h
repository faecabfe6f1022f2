#pragma once

#include <windows.h>

#include <span>

#include "app/WindowLayout.h"

namespace vantrel::win32 {

// Creates one control of the main window at its place for the DPI, in the
// given font, with its caption, or its list and initial text; nullptr when
// Windows could not make it.
HWND createControl(HWND parent, const ControlDefinition& definition, int dpi, HFONT font);

// Moves the control to its place for another DPI, in that DPI's font.
void placeControl(HWND control, const ControlDefinition& definition, int dpi, HFONT font);

// Brings the drop-down lists' edit fields to the laid-out height, unless their
// font needs more: never below the height of the font's characters without
// their internal leading. Runs after the lists are made or placed, as sizing
// a list may reset its field.
void fitListFields(std::span<const HWND> lists, int wantedHeight, HFONT font);

}  // namespace vantrel::win32
