#pragma once

#include <windows.h>

#include <array>

#include "ports/ControlIds.h"

namespace e2e {

// The main window's layout as the program must build it, in twips (1440 per inch).
inline constexpr int kClientWidthTwips = 2955;
inline constexpr int kClientHeightTwips = 3345;

struct ExpectedControl {
    int id;
    const wchar_t* text;           // caption, or a list's initial text
    int left, top, width, height;  // twips, from the client area's top-left corner
};

// In tab order.
inline constexpr std::array kExpectedControls{
    ExpectedControl{vantrel::kNormalModeOption, L"正常模式", 120, 120, 1095, 375},
    ExpectedControl{vantrel::kBootloaderModeOption, L"BL模式", 120, 720, 975, 375},
    ExpectedControl{vantrel::kNormalActionList, L"手机重启", 1200, 120, 1695, 300},
    ExpectedControl{vantrel::kBootloaderActionList, L"寻找Fastboot", 1200, 720, 1695, 300},
    ExpectedControl{vantrel::kStartButton, L"开始", 1680, 2520, 1095, 615},
    ExpectedControl{vantrel::kInstallModeOption, L"安装apk", 120, 1920, 1095, 375},
    ExpectedControl{vantrel::kStatusBox, L"", 1200, 1920, 1695, 375},
    ExpectedControl{vantrel::kOpenConsoleButton, L"打开cmd", 240, 2520, 1095, 615},
    ExpectedControl{vantrel::kTransferModeOption, L"传输文件", 120, 1320, 1215, 375},
    ExpectedControl{vantrel::kUnusedButton, L"Command3", 3240, 3720, 1095, 615},
    ExpectedControl{vantrel::kTransferDirectionList, L"从电脑到手机", 1200, 1320, 1695, 300},
};

// Twips in pixels at a DPI, rounded as MulDiv rounds.
int pixels(int twips, int dpi);

// The DPI that the driver sees (LOGPIXELSY of the screen). Wine gives every
// process the one of the prefix's LogPixels and virtualises nothing, so it is
// the program's too.
int screenDpi();

}  // namespace e2e
