// Clicks that belong to the window itself: the mode buttons and the free
// client area empty Text1; nothing else changes and nothing is typed.
#include <array>

#include "driver/VantrelTest.h"

namespace e2e {
namespace {

using namespace vantrel;

using WindowClicksTest = VantrelTest;

constexpr std::array kOptions{kNormalModeOption, kBootloaderModeOption, kTransferModeOption,
                              kInstallModeOption};

TEST_F(WindowClicksTest, EachModeButtonSelectsOnlyItselfAndEmptiesText1) {
    for (const int clicked :
         {kTransferModeOption, kBootloaderModeOption, kInstallModeOption, kNormalModeOption}) {
        SCOPED_TRACE("option " + std::to_string(clicked));
        window().typeText(kStatusBox, L"C:\\ADB\\Magisk.apk");
        selectMode(clicked);
        EXPECT_EQ(statusText(), L"");
        for (const int option : kOptions) {
            EXPECT_EQ(window().isChecked(option), option == clicked) << "option " << option;
        }
    }
    EXPECT_EQ(typedText(), L"");
}

TEST_F(WindowClicksTest, ClickOnTheSelectedModeButtonKeepsItSelected) {
    selectMode(kNormalModeOption);
    EXPECT_TRUE(window().isChecked(kNormalModeOption));
    EXPECT_FALSE(window().isChecked(kBootloaderModeOption));
}

TEST_F(WindowClicksTest, ClickOnTheFreeAreaEmptiesText1AndKeepsTheMode) {
    selectMode(kInstallModeOption);
    window().typeText(kStatusBox, L"/sdcard/test.png已截屏");
    window().clickFreeArea();
    window().settle();
    EXPECT_EQ(statusText(), L"");
    EXPECT_TRUE(window().isChecked(kInstallModeOption));
    EXPECT_FALSE(dialogOpen());
    EXPECT_EQ(typedText(), L"");
}

TEST_F(WindowClicksTest, PathTypedAfterChoosingInstallModeStays) {
    selectMode(kInstallModeOption);
    window().typeText(kStatusBox, L"C:\\ADB\\X-llq.apk");
    window().settle();
    EXPECT_EQ(statusText(), L"C:\\ADB\\X-llq.apk");
}

TEST_F(WindowClicksTest, ListTextsSurviveModeSwitches) {
    chooseListText(kNormalActionList, L"卸载Apk");
    chooseListText(kBootloaderActionList, L"不是列表项");
    chooseListText(kTransferDirectionList, L"从手机到电脑");
    for (const int option : {kBootloaderModeOption, kTransferModeOption, kInstallModeOption,
                             kNormalModeOption, kTransferModeOption}) {
        selectMode(option);
    }
    EXPECT_EQ(window().text(kNormalActionList), L"卸载Apk");
    EXPECT_EQ(window().text(kBootloaderActionList), L"不是列表项");
    EXPECT_EQ(window().text(kTransferDirectionList), L"从手机到电脑");
}

}  // namespace
}  // namespace e2e
