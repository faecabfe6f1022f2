#pragma once

#include <windows.h>

#include <string>

namespace vantrel::win32 {

// "Vantrel 无法启动" and Windows' own words for the error, as a message box shows them.
std::wstring startupFailureText(DWORD error);

// Tells the user that the window could not be made: a modal error box with no owner.
void showStartupFailure(DWORD error);

}  // namespace vantrel::win32
