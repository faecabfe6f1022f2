#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <tuple>
#include <vector>

#include "Fakes.h"
#include "actions/CommandTable.h"
#include "app/WindowLayout.h"

namespace vantrel::testing {
namespace {

std::vector<StartTest> startTests() {
    std::vector<StartTest> tests;
    for (const Command& command : commandTable()) {
        if (const auto* test = std::get_if<StartTest>(&command.trigger)) {
            tests.push_back(*test);
        }
    }
    return tests;
}

TEST(StartOrderTest, TestsTheEntriesInTheirFixedOrder) {
    const std::vector<std::u16string_view> expected{
        u"无线调试",   u"显示包名",          u"卸载Apk",      u"模拟按键",      u"提取固件",
        u"同步时间",   u"安装Magisk",        u"安装X-pore",   u"安装X浏览器",   u"手机重启",
        u"手机关机",   u"进入Shell",         u"列出ADB设备",  u"重启进入Rec",   u"重启进入BL",
        u"ADB刷机",    u"重启进入Fastbootd", u"寻找Fastboot", u"刷Recovery",    u"重启",
        u"刷入System", u"刷入Boot",          u"OEM解锁",      u"查看槽位",      u"切换槽位",
        u"临时启动",   u"刷入Init_boot",     u"刷入vbmeta",   u"进入Fastbootd", u"解锁BL",
        u"线刷",       u"从电脑到手机",      u"从手机到电脑"};
    const auto order = startTests();
    ASSERT_EQ(order.size(), 34u);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(order[i].itemText, expected[i]) << "position " << i + 1;
        const Mode mode = i < 17 ? Mode::Normal : i < 31 ? Mode::Bootloader : Mode::Transfer;
        const List list = i < 17   ? List::NormalActions
                          : i < 31 ? List::BootloaderActions
                                   : List::TransferDirections;
        EXPECT_EQ(order[i].mode, mode) << "position " << i + 1;
        EXPECT_EQ(order[i].list, list) << "position " << i + 1;
    }
    EXPECT_EQ(order[33].mode, Mode::Install);
    EXPECT_FALSE(order[33].list.has_value());
}

TEST(CommandTableTest, EveryListItemAndEveryButtonAndMenuItemHasItsOneRow) {
    const auto tests = startTests();
    for (const List list :
         {List::NormalActions, List::BootloaderActions, List::TransferDirections}) {
        for (const std::u16string_view item : listItems(listControlOf(list))) {
            const auto rows = std::ranges::count_if(tests, [&](const StartTest& test) {
                return test.list == list && test.itemText == item;
            });
            EXPECT_EQ(rows, 1) << utf8(item);
        }
    }
    for (const MenuDefinition& menu : menuBar()) {
        for (const MenuItemDefinition& item : menu.items) {
            EXPECT_NE(commandForControl(item.id), nullptr) << item.formName;
        }
    }
    EXPECT_NE(commandForControl(kOpenConsoleButton), nullptr);
    std::set<std::string_view> names;
    for (const Command& command : commandTable()) {
        EXPECT_TRUE(names.insert(command.name).second) << command.name;
    }
}

class NoMatchTest : public ::testing::TestWithParam<std::pair<Mode, std::u16string>> {};

TEST_P(NoMatchTest, DoesNothingAtAll) {
    FormFixture f;
    f.view.text1 = u"earlier status";
    const auto& [mode, text] = GetParam();
    f.pressStart(mode, text);
    EXPECT_EQ(f.view.text1, u"earlier status");
    EXPECT_TRUE(f.view.statusWrites.empty());
    EXPECT_TRUE(f.platform.posts.empty());
    EXPECT_TRUE(f.view.dialogs.empty());
}

INSTANTIATE_TEST_SUITE_P(TextsThatAreNoItem, NoMatchTest,
                         ::testing::Values(std::pair{Mode::Normal, std::u16string(u"进入shell")},
                                           std::pair{Mode::Normal, std::u16string(u"手机重启 ")},
                                           std::pair{Mode::Normal, std::u16string(u" 手机重启")},
                                           std::pair{Mode::Normal, std::u16string(u"")},
                                           std::pair{Mode::Normal, std::u16string(u"寻找Fastboot")},
                                           std::pair{Mode::Bootloader, std::u16string(u"手机重启")},
                                           std::pair{Mode::Bootloader, std::u16string(u"oem解锁")},
                                           std::pair{Mode::Transfer,
                                                     std::u16string(u"从电脑到手机 ")},
                                           std::pair{Mode::Transfer, std::u16string(u"重启")}));

TEST(DispatchTest, NothingSelectedRunsNothing) {
    FormFixture f;
    f.view.mode = std::nullopt;
    f.form.clicked(kStartButton);
    EXPECT_TRUE(f.platform.posts.empty());
    EXPECT_TRUE(f.view.statusWrites.empty());
}

TEST(DispatchTest, ListOfAnotherModeIsNotConsulted) {
    FormFixture f;
    f.view.combo1 = u"不是任何一项";
    f.view.combo2 = u"重启";
    f.pressStart(Mode::Bootloader, u"重启");
    EXPECT_EQ(f.platform.typed(), u"fastboot reboot\r");
}

TEST(DispatchTest, InstallModeRunsWhateverTheListsShow) {
    FormFixture f;
    f.view.combo1 = u"手机重启";
    f.view.text1 = u"C:\\ADB\\Magisk.apk";
    f.pressStart(Mode::Install);
    EXPECT_EQ(f.platform.typed(), u"adb install C:\\ADB\\Magisk.apk\r");
}

TEST(DispatchTest, EachClickRunsOneActionAndSearchesAgain) {
    FormFixture f;
    f.pressStart(Mode::Normal, u"手机重启");
    f.platform.consoles = {{0x9999, true}};
    f.pressStart(Mode::Normal, u"进入Shell");
    EXPECT_EQ(f.platform.typed(), u"adb shell reboot\radb shell\r");
    EXPECT_EQ(f.platform.posts.back().window, 0x9999u);
}

// Each item for today's phones, every box answered Yes, its file valid or chosen.
TEST(CommandTableTest, TodaysPhonesItemsTypeTheirLines) {
    const std::vector<std::uint8_t> boot{'A', 'N', 'D', 'R', 'O', 'I', 'D', '!', 0, 1, 0, 0};
    const std::vector<std::uint8_t> initBoot{'A', 'N', 'D', 'R', 'O', 'I', 'D', '!', 0, 0, 0, 0};
    const std::tuple<Mode, std::u16string, std::vector<std::uint8_t>, std::u16string> rows[] = {
        {Mode::Normal, u"重启进入Fastbootd", {}, u"adb reboot fastboot"},
        {Mode::Bootloader, u"查看槽位", {}, u"fastboot getvar current-slot"},
        {Mode::Bootloader, u"切换槽位", {}, u"fastboot set_active other"},
        {Mode::Bootloader, u"临时启动", boot, u"fastboot boot D:\\twrp.img"},
        {Mode::Bootloader, u"临时启动", initBoot, u""},  // no kernel to start: an error box
        {Mode::Bootloader, u"刷入Init_boot", initBoot, u"fastboot flash init_boot D:\\twrp.img"},
        {Mode::Bootloader,
         u"刷入vbmeta",
         {'A', 'V', 'B', '0'},
         u"fastboot --disable-verity --disable-verification flash vbmeta D:\\twrp.img"},
        {Mode::Bootloader, u"进入Fastbootd", {}, u"fastboot reboot fastboot"},
        {Mode::Bootloader, u"解锁BL", {}, u"fastboot flashing unlock"},
    };
    for (const auto& [mode, item, chosenFile, line] : rows) {
        FormFixture f;
        f.platform.setFile(u"D:\\twrp.img", chosenFile);
        f.view.chosenFiles = {u"D:\\twrp.img"};
        f.view.boxAnswers = {BoxAnswer::Yes, BoxAnswer::Yes};
        f.pressStart(mode, item);
        EXPECT_EQ(f.view.statusWrites.front(), u"");
        EXPECT_EQ(utf8(f.platform.typed()), utf8(line.empty() ? line : line + u"\r"));
    }
}

}  // namespace
}  // namespace vantrel::testing
