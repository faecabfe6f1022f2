// What a DPI other than 96 changes beyond the rectangles (which WindowTest
// checks at whatever DPI the run has): the texts' font must grow with it.
// scripts/e2e.sh runs this group with LogPixels 96 and again with 144.
#include <memory>

#include "driver/CrossProcess.h"
#include "driver/OpenedWindowTest.h"
#include "ports/ControlIds.h"
#include "win32/common/UniqueHandles.h"

namespace e2e {

using vantrel::win32::WindowDc;

namespace {

using namespace vantrel;

struct FontDeleter {
    void operator()(HFONT font) const { DeleteObject(font); }
};

// The height of a line in the system's message font, which the driver, like
// any process, gets at the screen's DPI.
int messageFontLineHeight() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    const std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter> font(
        CreateFontIndirectW(&metrics.lfMessageFont));
    const WindowDc screen(nullptr);
    const HGDIOBJ previous = SelectObject(screen.get(), font.get());
    TEXTMETRICW text{};
    GetTextMetricsW(screen.get(), &text);
    SelectObject(screen.get(), previous);
    return text.tmHeight;
}

using HighDpiTest = OpenedWindowTest;

// A list's items are as high as a line of its font: a font made for 96 DPI
// and not scaled, or scaled twice, shows here.
TEST_F(HighDpiTest, ListsShowTheirItemsInTheMessageFontAtTheScreensDpi) {
    const int lineHeight = messageFontLineHeight();
    for (const int combo : {kNormalActionList, kBootloaderActionList, kTransferDirectionList}) {
        EXPECT_EQ(sendToProgram(window().control(combo), CB_GETITEMHEIGHT, 0), lineHeight)
            << "combo " << combo << " at " << window().dpi() << " DPI";
    }
}

}  // namespace
}  // namespace e2e
