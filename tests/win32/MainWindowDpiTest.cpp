#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <optional>

#include "app/WindowLayout.h"
#include "win32/common/RectSize.h"
#include "win32/platform/Win32Platform.h"
#include "win32/window/MainWindow.h"
#include "win32/window/WindowDpi.h"

namespace vantrel::win32 {
namespace {

int pixels(int twips, int dpi) {
    return MulDiv(twips, dpi, 1440);
}

int fontHeight(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font),
               &font);
    return std::abs(font.lfHeight);
}

// The window as the program creates it, not shown: Windows tells it of a new
// DPI (another monitor, or a new scale) with WM_DPICHANGED.
class MainWindowDpiTest : public ::testing::Test {
  protected:
    void TearDown() override {
        window_.reset();
        // Closing the window ends the program's message loop, which the test does not run.
        MSG quit;
        PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }

    HWND handle() const { return window_->handle(); }

    void announceDpi(int dpi, const RECT& suggested) {
        SendMessageW(handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
    }

    Win32Platform platform_;
    std::optional<MainWindow> window_{std::in_place, GetModuleHandleW(nullptr), platform_};
};

TEST_F(MainWindowDpiTest, TakesTheSuggestedPositionAndScalesEverythingFromTheTwips) {
    ASSERT_NE(handle(), nullptr);
    const int startDpi = windowDpi(handle());
    const int startFontHeight = fontHeight(GetDlgItem(handle(), kStartButton));

    // Up, further up, and back: nothing of one layout may stay in the next.
    for (const int dpi : {144, 192, startDpi}) {
        SCOPED_TRACE(dpi);
        const RECT suggested{40 + dpi, 30 + dpi, 500 + dpi, 600 + dpi};
        announceDpi(dpi, suggested);

        RECT frame;
        GetWindowRect(handle(), &frame);
        EXPECT_EQ(frame.left, suggested.left);
        EXPECT_EQ(frame.top, suggested.top);

        // The controls' area, and the status bar below it across the whole width.
        RECT client;
        GetClientRect(handle(), &client);
        const HWND statusBar = GetDlgItem(handle(), kPhoneStatusBar);
        const RECT bar = rectInClientArea(handle(), statusBar);
        EXPECT_EQ(width(client), pixels(kClientWidthTwips, dpi));
        EXPECT_EQ(bar.top, pixels(kClientHeightTwips, dpi));
        EXPECT_EQ(bar.bottom, height(client));
        EXPECT_EQ(width(bar), width(client));
        EXPECT_EQ(fontHeight(statusBar), fontHeight(GetDlgItem(handle(), kStartButton)));

        for (const ControlDefinition& definition : controlsInTabOrder()) {
            SCOPED_TRACE(definition.formName);
            const RECT rect = rectInClientArea(handle(), GetDlgItem(handle(), definition.id));
            EXPECT_EQ(rect.left, pixels(definition.rect.left, dpi));
            EXPECT_EQ(rect.top, pixels(definition.rect.top, dpi));
            EXPECT_EQ(width(rect), pixels(definition.rect.width, dpi));
            if (definition.kind != ControlKind::ComboBox) {  // a combo is as tall as its open list
                EXPECT_EQ(height(rect), pixels(definition.rect.height, dpi));
            }
        }
        EXPECT_NEAR(fontHeight(GetDlgItem(handle(), kStartButton)),
                    MulDiv(startFontHeight, dpi, startDpi), 1);
    }
}

}  // namespace
}  // namespace vantrel::win32
