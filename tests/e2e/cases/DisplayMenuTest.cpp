// The menu "显示": fixed lines, the two prompted changes, and the status
// lines of the screenshot items.
#include <array>
#include <string>

#include "driver/Units.h"
#include "driver/VantrelTest.h"

namespace e2e {
namespace {

using namespace vantrel;

struct FixedItem {
    int id;
    const wchar_t* line;
    const wchar_t* statusAfter;
};

constexpr std::array kFixedItems{
    FixedItem{kShowResolutionItem, L"adb shell wm size", L""},
    FixedItem{kShowDensityItem, L"adb shell wm density", L""},
    FixedItem{kResetResolutionItem, L"adb shell wm size reset", L""},
    FixedItem{kResetDensityItem, L"adb shell wm density reset", L""},
    FixedItem{kScreenshotItem, L"adb shell screencap -p /sdcard/test.png",
              L"/sdcard/test.png已截屏"},
    FixedItem{kPullScreenshotItem, L"adb pull /sdcard/test.png C:\\ADB", L"已推送到电脑C:\\ADB"},
    FixedItem{kKeyCodesItem, L"start C:\\adb\\adbjz.doc", L""},
};

struct PromptedItem {
    int id;
    const wchar_t* prompt;
    const wchar_t* defaultAnswer;
    const wchar_t* prefix;
};

constexpr std::array kPromptedItems{
    PromptedItem{kChangeResolutionItem, L"请输入要更改安卓设备的分辨率。", L"240x240",
                 L"adb shell wm size "},
    PromptedItem{kChangeDensityItem, L"请输入要更改安卓设备的DPI。", L"150",
                 L"adb shell wm density "},
};

using DisplayMenuTest = VantrelTest;

TEST_F(DisplayMenuTest, FixedItemsTypeTheirLineAndWriteTheirStatus) {
    for (const FixedItem& fixed : kFixedItems) {
        SCOPED_TRACE(utf8(fixed.line));
        console().forget();
        window().typeText(kStatusBox, kEarlierStatus);
        chooseMenuItem(fixed.id);
        EXPECT_FALSE(dialogOpen());
        EXPECT_EQ(typedText(), enteredLine(fixed.line));
        EXPECT_EQ(statusText(), fixed.statusAfter);
    }
}

TEST_F(DisplayMenuTest, PromptedItemsAskAndTypeTheDefault) {
    for (const PromptedItem& prompted : kPromptedItems) {
        SCOPED_TRACE(utf8(prompted.prefix));
        console().forget();
        window().typeText(kStatusBox, kEarlierStatus);
        chooseMenuItem(prompted.id);
        EXPECT_EQ(readInputBox(waitForDialog()),
                  (InputBoxTexts{L"提醒", prompted.prompt, prompted.defaultAnswer}));
        EXPECT_EQ(statusText(), L"");
        acceptInputBoxDefault();
        EXPECT_EQ(typedText(), enteredLine(std::wstring(prompted.prefix) + prompted.defaultAnswer));
    }
}

TEST_F(DisplayMenuTest, CancelledPromptsStillTypeThePrefixWithItsBlank) {
    chooseMenuItem(kChangeDensityItem);
    cancelInputBox();
    chooseMenuItem(kChangeResolutionItem);
    answerInputBox(L"");
    EXPECT_EQ(typedText(), L"adb shell wm density \radb shell wm size \r");
}

TEST_F(DisplayMenuTest, ScreenshotWithoutAConsoleSaysNoConsoleInsteadOfSuccess) {
    closeAllConsoles();
    chooseMenuItem(kScreenshotItem);
    EXPECT_EQ(statusText(), L"未找到cmd窗口");
    chooseMenuItem(kPullScreenshotItem);
    EXPECT_EQ(statusText(), L"未找到cmd窗口");
}

}  // namespace
}  // namespace e2e
