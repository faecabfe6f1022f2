#pragma once

#include <windows.h>

namespace e2e {

// The standard icons of a message box.
enum class StandardIcon { None, Warning, Error, Information, Question };

// Which standard icon the window shows on the screen, told by its pixels:
// icons themselves cannot be read from another process. The window must be
// in view; None when it shows none of them.
StandardIcon shownStandardIcon(HWND window);

const char* nameOf(StandardIcon icon);

}  // namespace e2e
