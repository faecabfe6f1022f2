#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace e2e {

// Messages sent to the program's windows. A program that does not answer
// within the driver's patience fails the check instead of hanging the suite.
LRESULT sendToProgram(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

std::wstring className(HWND window);
std::wstring windowText(HWND window);  // WM_GETTEXT, which controls answer with their content
void setWindowText(HWND window, std::wstring_view text);  // WM_SETTEXT
void postClick(HWND button);                              // BM_CLICK, as a mouse click does
std::vector<std::wstring> comboItems(HWND combo);         // a combo box's list, in order

}  // namespace e2e
