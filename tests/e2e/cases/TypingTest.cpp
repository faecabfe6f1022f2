// How a line reaches the console: exact UTF-16 code units, one Enter, the
// console first in Z order at each action, and nothing without a console.
// scripts/e2e.sh runs these under a Chinese and a Western system code page.
#include <string_view>
#include <vector>

#include "driver/Units.h"
#include "driver/VantrelTest.h"

namespace e2e {
namespace {

using namespace vantrel;

using TypingTest = VantrelTest;

TEST_F(TypingTest, AdbHelpArrivesAsNineMessagesEndingInOneEnter) {
    chooseMenuItem(kAdbHelpItem);
    EXPECT_EQ(console().received(), (std::vector<WPARAM>{97, 100, 98, 32, 104, 101, 108, 112, 13}));
}

TEST_F(TypingTest, SuccessiveLinesEachEndInACarriageReturnAndNeverALineFeed) {
    startNormalItem(L"手机重启");
    chooseMenuItem(kFastbootHelpItem);
    startNormalItem(L"列出ADB设备");
    EXPECT_EQ(typedText(), L"adb shell reboot\rfastboot help\radb devices\r");
}

TEST_F(TypingTest, ChineseAndEmojiArriveAsTheirExactCodeUnits) {
    startNormalItem(L"卸载Apk");
    answerInputBox(L"中文😀");
    const std::wstring_view prefix = L"adb shell pm uninstall -k --user 0 ";
    std::vector<WPARAM> expected(prefix.begin(), prefix.end());
    // 中, 文, and the surrogate pair of U+1F600, each unit in a message of its own.
    expected.insert(expected.end(), {0x4E2D, 0x6587, 0xD83D, 0xDE00, 13});
    EXPECT_EQ(console().received(), expected);
}

TEST_F(TypingTest, EachActionGoesWholeToTheConsoleFirstInZOrder) {
    RecordingConsole& first = console();
    RecordingConsole& second = openAnotherConsole();
    first.bringToTop();
    ASSERT_EQ(firstConsoleInZOrder(), first.handle());
    startNormalItem(L"手机重启");
    EXPECT_EQ(first.receivedText(), L"adb shell reboot\r");
    EXPECT_EQ(second.receivedText(), L"");

    second.bringToTop();
    ASSERT_EQ(firstConsoleInZOrder(), second.handle());
    chooseMenuItem(kAdbHelpItem);
    EXPECT_EQ(second.receivedText(), L"adb help\r");
    EXPECT_EQ(first.receivedText(), L"adb shell reboot\r");
}

TEST_F(TypingTest, WithoutAConsoleText1SaysSoAndTheWindowStillAnswers) {
    closeAllConsoles();
    window().typeText(kStatusBox, L"旧的状态");
    startNormalItem(L"手机重启");
    EXPECT_EQ(statusText(), L"未找到cmd窗口");
    EXPECT_FALSE(dialogOpen());
    // Posts to no window would land in the program's own queue: it must still answer.
    EXPECT_TRUE(window().answers());
}

TEST_F(TypingTest, AConsoleOpenedLaterIsFoundByTheNextAction) {
    closeAllConsoles();
    startNormalItem(L"手机关机");
    RecordingConsole& late = openAnotherConsole();
    startNormalItem(L"进入Shell");
    EXPECT_EQ(late.receivedText(), L"adb shell\r");
    EXPECT_EQ(statusText(), L"");
}

}  // namespace
}  // namespace e2e
