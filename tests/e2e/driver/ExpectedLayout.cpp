#include "driver/ExpectedLayout.h"

#include "driver/Win32Handles.h"

namespace e2e {

int pixels(int twips, int dpi) {
    return MulDiv(twips, dpi, 1440);
}

int screenDpi() {
    const ScreenDc screen;
    return GetDeviceCaps(screen.get(), LOGPIXELSY);
}

}  // namespace e2e
