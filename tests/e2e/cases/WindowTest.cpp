// The main window as it opens: frame, size, controls, texts and lists.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "driver/CrossProcess.h"
#include "driver/ExpectedLayout.h"
#include "driver/OpenedWindowTest.h"
#include "driver/Units.h"

namespace e2e {
namespace {

using namespace vantrel;

using WindowTest = OpenedWindowTest;

TEST_F(WindowTest, HasItsCaptionAndAFixedFrameWithoutMinimizeOrMaximize) {
    EXPECT_EQ(windowText(window().handle()), L"Vantrel");
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window().handle(), GWL_STYLE));
    EXPECT_EQ(style & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME) << "the window must not be resizable";
}

TEST_F(WindowTest, HasNoTaskbarButton) {
    // A top-level window gets a taskbar button unless a hidden window owns it
    // and it does not ask for one.
    HWND owner = GetWindow(window().handle(), GW_OWNER);
    ASSERT_NE(owner, nullptr) << "the main window has no owner";
    EXPECT_FALSE(IsWindowVisible(owner));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window().handle(), GWL_EXSTYLE));
    EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
}

TEST_F(WindowTest, ClientAreaIs2955By3345TwipsAndTheStatusBarBelow) {
    const int dpi = window().dpi();
    const SIZE client = window().clientSize();
    const RECT bar = window().controlRectInClient(kPhoneStatusBar);
    EXPECT_EQ(client.cx, pixels(kClientWidthTwips, dpi));
    EXPECT_EQ(client.cy, pixels(kClientHeightTwips, dpi) + (bar.bottom - bar.top));
    if (dpi == 96) {
        EXPECT_EQ(client.cx, 197);
    }
}

TEST_F(WindowTest, TheStatusBarSpansTheWholeWidthUnderTheControlsAsOnePartWithoutGrip) {
    const int dpi = window().dpi();
    const SIZE client = window().clientSize();
    const RECT bar = window().controlRectInClient(kPhoneStatusBar);
    EXPECT_EQ(className(window().statusBar()), L"msctls_statusbar32");
    EXPECT_EQ(bar.left, 0);
    EXPECT_EQ(bar.right, client.cx);
    EXPECT_EQ(bar.top, pixels(kClientHeightTwips, dpi));
    EXPECT_EQ(bar.bottom, client.cy);
    EXPECT_EQ(sendToProgram(window().statusBar(), SB_GETPARTS), 1);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window().statusBar(), GWL_STYLE));
    EXPECT_FALSE(style & SBARS_SIZEGRIP);
    EXPECT_TRUE(IsWindowVisible(window().statusBar()));
}

TEST_F(WindowTest, TheMenuBarFitsOnOneLine) {
    // The frame is exactly what a client area of that size needs with a one-line menu bar.
    const HWND handle = window().handle();
    const SIZE client = window().clientSize();
    RECT oneLine{0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&oneLine, static_cast<DWORD>(GetWindowLongPtrW(handle, GWL_STYLE)), TRUE,
                       static_cast<DWORD>(GetWindowLongPtrW(handle, GWL_EXSTYLE)));
    RECT frame{};
    GetWindowRect(handle, &frame);
    EXPECT_EQ(frame.bottom - frame.top, oneLine.bottom - oneLine.top);
}

TEST_F(WindowTest, EveryControlHasItsRectangle) {
    const int dpi = window().dpi();
    for (const ExpectedControl& expected : kExpectedControls) {
        if (expected.id == kUnusedButton && !window().hasControl(kUnusedButton)) {
            continue;  // it has no action; building it is optional
        }
        SCOPED_TRACE(utf8(expected.text));
        const RECT rect = window().controlRectInClient(expected.id);
        EXPECT_EQ(rect.left, pixels(expected.left, dpi));
        EXPECT_EQ(rect.top, pixels(expected.top, dpi));
        EXPECT_EQ(rect.right - rect.left, pixels(expected.width, dpi));
        EXPECT_EQ(rect.bottom - rect.top, pixels(expected.height, dpi));
    }
}

TEST_F(WindowTest, Command3IfBuiltLiesOutsideTheClientArea) {
    if (!window().hasControl(kUnusedButton)) {
        GTEST_SKIP() << "Command3 is not built";
    }
    const RECT rect = window().controlRectInClient(kUnusedButton);
    const SIZE client = window().clientSize();
    EXPECT_GE(rect.left, client.cx);
    EXPECT_GE(rect.top, client.cy);
}

TEST_F(WindowTest, ControlsShowTheirCaptionsAndInitialTexts) {
    for (const ExpectedControl& expected : kExpectedControls) {
        if (expected.id == kUnusedButton && !window().hasControl(kUnusedButton)) {
            continue;
        }
        EXPECT_EQ(window().text(expected.id), expected.text);
        EXPECT_TRUE(IsWindowVisible(window().control(expected.id))) << utf8(expected.text);
        EXPECT_TRUE(IsWindowEnabled(window().control(expected.id))) << utf8(expected.text);
    }
}

TEST_F(WindowTest, ListsHoldTheirItemsInOrder) {
    EXPECT_EQ(
        window().listItems(kNormalActionList),
        (std::vector<std::wstring>{
            L"手机重启", L"手机关机", L"进入Shell", L"列出ADB设备", L"重启进入Rec", L"重启进入BL",
            L"ADB刷机", L"无线调试", L"模拟按键", L"显示包名", L"卸载Apk", L"提取固件", L"同步时间",
            L"安装Magisk", L"安装X-pore", L"安装X浏览器", L"重启进入Fastbootd"}));
    EXPECT_EQ(window().listItems(kBootloaderActionList),
              (std::vector<std::wstring>{L"寻找Fastboot", L"刷Recovery", L"重启", L"刷入System",
                                         L"OEM解锁", L"刷入Boot", L"查看槽位", L"切换槽位",
                                         L"临时启动", L"刷入Init_boot", L"刷入vbmeta",
                                         L"进入Fastbootd", L"解锁BL", L"线刷"}));
    EXPECT_EQ(window().listItems(kTransferDirectionList),
              (std::vector<std::wstring>{L"从电脑到手机", L"从手机到电脑"}));
}

TEST_F(WindowTest, ListsAreEditableDropDowns) {
    for (const int combo : {kNormalActionList, kBootloaderActionList, kTransferDirectionList}) {
        const auto style =
            static_cast<DWORD>(GetWindowLongPtrW(window().control(combo), GWL_STYLE));
        EXPECT_EQ(style & 3, static_cast<DWORD>(CBS_DROPDOWN)) << "combo " << combo;
        EXPECT_FALSE(style & CBS_SORT) << "combo " << combo;
    }
}

TEST_F(WindowTest, OpensInNormalModeWithTheFocusOnOption1) {
    EXPECT_TRUE(window().isChecked(kNormalModeOption));
    EXPECT_FALSE(window().isChecked(kBootloaderModeOption));
    EXPECT_FALSE(window().isChecked(kTransferModeOption));
    EXPECT_FALSE(window().isChecked(kInstallModeOption));
    EXPECT_EQ(window().focusedWindow(), window().control(kNormalModeOption));
    EXPECT_EQ(statusText(), L"");
}

TEST_F(WindowTest, TabOrderIsTheOrderOfTheControlsWithTheStatusBarLast) {
    std::vector<int> expected;
    for (const ExpectedControl& control : kExpectedControls) {
        if (control.id != kUnusedButton || window().hasControl(kUnusedButton)) {
            expected.push_back(control.id);
        }
    }
    expected.push_back(kPhoneStatusBar);
    std::vector<int> inZOrder;
    for (HWND child = GetWindow(window().handle(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        inZOrder.push_back(GetDlgCtrlID(child));
    }
    EXPECT_EQ(inZOrder, expected);
}

TEST_F(WindowTest, NoButtonIsTheDefaultButton) {
    for (const int button : {kOpenConsoleButton, kStartButton}) {
        const auto style =
            static_cast<DWORD>(GetWindowLongPtrW(window().control(button), GWL_STYLE));
        EXPECT_NE(style & 0xF, static_cast<DWORD>(BS_DEFPUSHBUTTON)) << "button " << button;
    }
}

}  // namespace
}  // namespace e2e
