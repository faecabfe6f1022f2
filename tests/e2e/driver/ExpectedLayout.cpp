#include "driver/ExpectedLayout.h"

#include "win32/common/UniqueHandles.h"

namespace e2e {

using vantrel::win32::WindowDc;

int pixels(int twips, int dpi) {
    return MulDiv(twips, dpi, 1440);
}

int screenDpi() {
    const WindowDc screen(nullptr);
    return GetDeviceCaps(screen.get(), LOGPIXELSY);
}

}  // namespace e2e
