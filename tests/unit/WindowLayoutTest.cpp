#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "app/WindowLayout.h"

namespace vantrel {
namespace {

const ControlDefinition& controlDefinition(ControlId id) {
    const auto controls = controlsInTabOrder();
    const auto found = std::ranges::find(controls, id, &ControlDefinition::id);
    if (found == controls.end()) {
        throw std::out_of_range("no control with that id");
    }
    return *found;
}

TEST(WindowLayoutTest, ControlsAreInTabOrderWithDistinctIds) {
    const std::vector<std::string_view> tabOrder{"Option1",  "Option2",  "Combo1", "Combo2",
                                                 "Command2", "Option4",  "Text1",  "Command1",
                                                 "Option3",  "Command3", "Combo3"};
    const auto controls = controlsInTabOrder();
    ASSERT_EQ(controls.size(), tabOrder.size());
    std::set<int> ids;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        EXPECT_EQ(controls[i].formName, tabOrder[i]);
        ids.insert(controls[i].id);
        // Enter and Esc arrive as commands 1 and 2; no control may have them.
        EXPECT_GT(controls[i].id, 2);
    }
    EXPECT_EQ(ids.size(), controls.size());
}

TEST(WindowLayoutTest, TabStopsAtTheSelectedOptionOnlyAndNeverAtCommand3) {
    for (const ControlDefinition& control : controlsInTabOrder()) {
        const TabStop expected = control.kind == ControlKind::OptionButton ? TabStop::WhenSelected
                                 : control.id == kUnusedButton             ? TabStop::Never
                                                                           : TabStop::Always;
        EXPECT_EQ(control.tabStop, expected) << control.formName;
    }
}

TEST(WindowLayoutTest, EachModeHasItsOptionButtonAndEachListItsControl) {
    for (const Mode mode : {Mode::Normal, Mode::Bootloader, Mode::Transfer, Mode::Install}) {
        EXPECT_EQ(modeOf(optionOf(mode)), mode);
    }
    EXPECT_EQ(optionOf(Mode::Normal), kNormalModeOption);
    EXPECT_EQ(optionOf(Mode::Install), kInstallModeOption);
    EXPECT_EQ(modeOf(kStartButton), std::nullopt);
    EXPECT_EQ(listControlOf(List::TransferDirections), kTransferDirectionList);
}

TEST(WindowLayoutTest, EveryPositionIsWholePixelsAtNinetySixDpi) {
    for (const ControlDefinition& control : controlsInTabOrder()) {
        for (const int twips :
             {control.rect.left, control.rect.top, control.rect.width, control.rect.height}) {
            EXPECT_EQ(twips % 15, 0) << control.formName;
        }
    }
    EXPECT_EQ(twipsToPixels(kClientWidthTwips, 96), 197);
    EXPECT_EQ(twipsToPixels(kClientHeightTwips, 96), 223);
}

TEST(WindowLayoutTest, ScalesWithTheDpi) {
    EXPECT_EQ(twipsToPixels(1095, 144), 110);  // 109.5 rounds up
    EXPECT_EQ(twipsToPixels(2955, 144), 296);
    EXPECT_EQ(twipsToPixels(120, 120), 10);
    EXPECT_EQ(twipsToPixels(2955, 192), 394);
}

TEST(WindowLayoutTest, Command3LiesOutsideTheClientArea) {
    const ControlDefinition& hidden = controlDefinition(kUnusedButton);
    EXPECT_GT(hidden.rect.left, kClientWidthTwips);
    EXPECT_GT(hidden.rect.top, kClientHeightTwips);
}

TEST(WindowLayoutTest, ListsStartWithTheirFirstItemInAFieldOfTheSharedHeight) {
    for (const ControlId combo :
         {kNormalActionList, kBootloaderActionList, kTransferDirectionList}) {
        EXPECT_EQ(controlDefinition(combo).caption, listItems(combo).front());
        EXPECT_EQ(controlDefinition(combo).rect.height, kListFieldHeightTwips);
    }
    EXPECT_EQ(listItems(kNormalActionList).size(), 17u);
    EXPECT_EQ(listItems(kBootloaderActionList).size(), 14u);
    EXPECT_EQ(listItems(kTransferDirectionList).size(), 2u);
    EXPECT_EQ(listItems(kNormalActionList)[14], u"安装X-pore");
    EXPECT_EQ(listItems(kBootloaderActionList)[4], u"OEM解锁");
}

TEST(WindowLayoutTest, MenuBarHoldsFourMenusWithTheirItemsInOrder) {
    const auto menus = menuBar();
    ASSERT_EQ(menus.size(), 4u);
    EXPECT_EQ(menus[0].caption, u"显示");
    EXPECT_EQ(menus[1].caption, u"启动");
    EXPECT_EQ(menus[2].caption, u"帮助");
    EXPECT_EQ(menus[3].caption, u"设备");
    EXPECT_EQ(menus[0].items.size(), 9u);
    EXPECT_EQ(menus[0].items[6].caption, u"截屏");
    EXPECT_EQ(menus[1].items[1].caption, u"不自动进入cmd");
    EXPECT_EQ(menus[2].items[3].id, kAboutItem);
    ASSERT_EQ(menus[3].items.size(), 3u);
    EXPECT_EQ(menus[3].items[0].caption, u"指定设备");
    EXPECT_EQ(menus[3].items[1].caption, u"取消指定设备");
    EXPECT_EQ(menus[3].items[2].caption, u"无线配对");
    for (const MenuDefinition& menu : menus) {
        for (const MenuItemDefinition& item : menu.items) {
            EXPECT_EQ(item.caption.find(u'&'), std::u16string_view::npos) << item.formName;
        }
    }
}

}  // namespace
}  // namespace vantrel
