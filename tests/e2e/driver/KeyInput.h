#pragma once

#include <windows.h>

namespace e2e {

// One press and release of a key as the keyboard makes it (SendInput), so
// that the receiving thread's keyboard state follows: the key goes to the
// focused window of the foreground window. With `shift`, Shift is held
// down around it.
void sendKeyPress(WORD virtualKey, bool shift = false);

}  // namespace e2e
