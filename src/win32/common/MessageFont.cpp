#include "win32/common/MessageFont.h"

#include "win32/common/UniqueHandles.h"

namespace vantrel::win32 {

int systemDpi() {
    const WindowDc screen(nullptr);
    return GetDeviceCaps(screen.get(), LOGPIXELSY);
}

LOGFONTW messageFont(int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    LOGFONTW font{};
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        font = metrics.lfMessageFont;
    } else {
        // Without the user's settings, the font that dialogs have always used.
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    }
    font.lfHeight = MulDiv(font.lfHeight, dpi, systemDpi());
    return font;
}

}  // namespace vantrel::win32
