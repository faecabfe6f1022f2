// Clicks that belong to the window itself: the mode buttons and the free
// client area empty Text1; nothing else changes and nothing is typed.
#include <array>

#include "driver/VantrelTest.h"

namespace e2e {
namespace {

using namespace vantrel;

using WindowClicksTest = VantrelTest;

constexpr std::array kOptions{kOption1, kOption2, kOption3, kOption4};

TEST_F(WindowClicksTest, EachModeButtonSelectsOnlyItselfAndEmptiesText1) {
    for (const int clicked : {kOption3, kOption2, kOption4, kOption1}) {
        SCOPED_TRACE("option " + std::to_string(clicked));
        window().typeText(kText1, L"C:\\ADB\\Magisk.apk");
        selectMode(clicked);
        EXPECT_EQ(statusText(), L"");
        for (const int option : kOptions) {
            EXPECT_EQ(window().isChecked(option), option == clicked) << "option " << option;
        }
    }
    EXPECT_EQ(typedText(), L"");
}

TEST_F(WindowClicksTest, ClickOnTheSelectedModeButtonKeepsItSelected) {
    selectMode(kOption1);
    EXPECT_TRUE(window().isChecked(kOption1));
    EXPECT_FALSE(window().isChecked(kOption2));
}

TEST_F(WindowClicksTest, ClickOnTheFreeAreaEmptiesText1AndKeepsTheMode) {
    selectMode(kOption4);
    window().typeText(kText1, L"/sdcard/test.png已截屏");
    window().clickFreeArea();
    window().settle();
    EXPECT_EQ(statusText(), L"");
    EXPECT_TRUE(window().isChecked(kOption4));
    EXPECT_FALSE(dialogOpen());
    EXPECT_EQ(typedText(), L"");
}

TEST_F(WindowClicksTest, PathTypedAfterChoosingInstallModeStays) {
    selectMode(kOption4);
    window().typeText(kText1, L"C:\\ADB\\X-llq.apk");
    window().settle();
    EXPECT_EQ(statusText(), L"C:\\ADB\\X-llq.apk");
}

TEST_F(WindowClicksTest, ListTextsSurviveModeSwitches) {
    chooseListText(kCombo1, L"卸载Apk");
    chooseListText(kCombo2, L"不是列表项");
    chooseListText(kCombo3, L"从手机到电脑");
    for (const int option : {kOption2, kOption3, kOption4, kOption1, kOption3}) {
        selectMode(option);
    }
    EXPECT_EQ(window().text(kCombo1), L"卸载Apk");
    EXPECT_EQ(window().text(kCombo2), L"不是列表项");
    EXPECT_EQ(window().text(kCombo3), L"从手机到电脑");
}

}  // namespace
}  // namespace e2e
