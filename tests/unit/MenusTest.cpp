#include <gtest/gtest.h>

#include "Fakes.h"

namespace vantrel::testing {
namespace {

struct MenuCase {
    ControlId item;
    std::u16string line;
};

void PrintTo(const MenuCase& c, std::ostream* os) {
    *os << utf8(c.line);
}

class FixedMenuItemTest : public ::testing::TestWithParam<MenuCase> {};

TEST_P(FixedMenuItemTest, ClearsStatusAndTypesTheLine) {
    FormFixture f;
    f.view.text1 = u"earlier";
    f.form.clicked(GetParam().item);
    EXPECT_EQ(f.platform.typed(), GetParam().line + u"\r");
    EXPECT_EQ(f.view.text1, u"");
    EXPECT_TRUE(f.view.dialogs.empty());
}

INSTANTIATE_TEST_SUITE_P(
    DisplayAndHelpMenus, FixedMenuItemTest,
    ::testing::Values(MenuCase{kShowResolutionItem, u"adb shell wm size"},
                      MenuCase{kShowDensityItem, u"adb shell wm density"},
                      MenuCase{kResetResolutionItem, u"adb shell wm size reset"},
                      MenuCase{kResetDensityItem, u"adb shell wm density reset"},
                      MenuCase{kKeyCodesItem, u"start C:\\adb\\adbjz.doc"},
                      MenuCase{kAdbHelpItem, u"adb help"},
                      MenuCase{kFastbootHelpItem, u"fastboot help"},
                      MenuCase{kHelpFileItem, u"start C:\\adb\\adbbz.doc"},
                      MenuCase{kAboutItem, u"explorer " VANTREL_HOMEPAGE_URL}));

struct PromptedMenuCase {
    ControlId item;
    std::u16string prompt;
    std::u16string defaultEntry;
    std::u16string prefix;
};

void PrintTo(const PromptedMenuCase& c, std::ostream* os) {
    *os << utf8(c.prefix);
}

class PromptedMenuItemTest : public ::testing::TestWithParam<PromptedMenuCase> {};

TEST_P(PromptedMenuItemTest, TypesPrefixAndEntry) {
    FormFixture f;
    f.form.clicked(GetParam().item);
    ASSERT_EQ(f.view.dialogs.size(), 1u);
    EXPECT_EQ(f.view.dialogs[0].prompt, GetParam().prompt);
    EXPECT_EQ(f.view.dialogs[0].title, u"提醒");
    EXPECT_EQ(f.view.dialogs[0].defaultText, GetParam().defaultEntry);
    EXPECT_EQ(f.platform.typed(), GetParam().prefix + GetParam().defaultEntry + u"\r");
}

TEST_P(PromptedMenuItemTest, CancelStillTypesThePrefixWithItsBlank) {
    FormFixture f;
    f.view.inputAnswers = {u""};
    f.form.clicked(GetParam().item);
    EXPECT_EQ(f.platform.typed(), GetParam().prefix + u"\r");
}

INSTANTIATE_TEST_SUITE_P(
    ResolutionAndDensity, PromptedMenuItemTest,
    ::testing::Values(PromptedMenuCase{kChangeResolutionItem, u"请输入要更改安卓设备的分辨率。",
                                       u"240x240", u"adb shell wm size "},
                      PromptedMenuCase{kChangeDensityItem, u"请输入要更改安卓设备的DPI。", u"150",
                                       u"adb shell wm density "}));

TEST(StatusLineMenuItemTest, ScreenshotAndPushShowTheirLineOnlyWhenTyped) {
    const std::vector<std::tuple<ControlId, std::u16string, std::u16string>> cases{
        {kScreenshotItem, u"adb shell screencap -p /sdcard/test.png", u"/sdcard/test.png已截屏"},
        {kPullScreenshotItem, u"adb pull /sdcard/test.png C:\\ADB", u"已推送到电脑C:\\ADB"}};
    for (const auto& [item, line, status] : cases) {
        FormFixture typed;
        typed.form.clicked(item);
        EXPECT_EQ(typed.platform.typed(), line + u"\r");
        EXPECT_EQ(typed.view.statusWrites, (std::vector<std::u16string>{u"", status}));

        FormFixture noConsole;
        noConsole.platform.consoles.clear();
        noConsole.form.clicked(item);
        EXPECT_EQ(noConsole.view.text1, u"未找到cmd窗口");
    }
}

}  // namespace
}  // namespace vantrel::testing
