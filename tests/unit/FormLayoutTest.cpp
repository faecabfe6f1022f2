#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "window/FormLayout.h"

namespace vantrel {
namespace {

const ControlSpec& control(ControlId id) {
    const auto controls = controlsInTabOrder();
    return *std::ranges::find(controls, id, &ControlSpec::id);
}

TEST(FormLayoutTest, ControlsAreInTabOrderWithDistinctIds) {
    const auto controls = controlsInTabOrder();
    ASSERT_EQ(controls.size(), 11u);
    std::set<int> ids;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        EXPECT_EQ(controls[i].tabIndex, static_cast<int>(i));
        ids.insert(controls[i].id);
        // Enter and Esc arrive as commands 1 and 2; no control may have them.
        EXPECT_GT(controls[i].id, 2);
    }
    EXPECT_EQ(ids.size(), controls.size());
}

TEST(FormLayoutTest, EveryPositionIsWholePixelsAtNinetySixDpi) {
    for (const ControlSpec& control : controlsInTabOrder()) {
        for (const int twips :
             {control.rect.left, control.rect.top, control.rect.width, control.rect.height}) {
            EXPECT_EQ(twips % 15, 0) << control.name;
        }
    }
    EXPECT_EQ(twipsToPixels(kClientWidthTwips, 96), 197);
    EXPECT_EQ(twipsToPixels(kClientHeightTwips, 96), 223);
}

TEST(FormLayoutTest, ScalesWithTheDpi) {
    EXPECT_EQ(twipsToPixels(1095, 144), 110);  // 109.5 rounds up
    EXPECT_EQ(twipsToPixels(2955, 144), 296);
    EXPECT_EQ(twipsToPixels(120, 120), 10);
    EXPECT_EQ(twipsToPixels(2955, 192), 394);
}

TEST(FormLayoutTest, Command3LiesOutsideTheClientArea) {
    const ControlSpec& hidden = control(kCommand3);
    EXPECT_GT(hidden.rect.left, kClientWidthTwips);
    EXPECT_GT(hidden.rect.top, kClientHeightTwips);
}

TEST(FormLayoutTest, ListsStartWithTheirFirstItem) {
    for (const ControlId combo : {kCombo1, kCombo2, kCombo3}) {
        EXPECT_EQ(control(combo).caption, listItems(combo).front());
    }
    EXPECT_EQ(listItems(kCombo1).size(), 16u);
    EXPECT_EQ(listItems(kCombo2).size(), 6u);
    EXPECT_EQ(listItems(kCombo3).size(), 2u);
    EXPECT_EQ(listItems(kCombo1)[14], u"安装X-pore");
    EXPECT_EQ(listItems(kCombo2)[4], u"OEM解锁");
}

TEST(FormLayoutTest, MenuBarHoldsThreeMenusWithTheirItemsInOrder) {
    const auto menus = menuBar();
    ASSERT_EQ(menus.size(), 3u);
    EXPECT_EQ(menus[0].caption, u"显示");
    EXPECT_EQ(menus[1].caption, u"启动");
    EXPECT_EQ(menus[2].caption, u"帮助");
    EXPECT_EQ(menus[0].items.size(), 9u);
    EXPECT_EQ(menus[0].items[6].caption, u"截屏");
    EXPECT_EQ(menus[1].items[1].caption, u"不自动进入cmd");
    EXPECT_EQ(menus[2].items[3].id, kGy);
    for (const MenuSpec& menu : menus) {
        for (const MenuItemSpec& item : menu.items) {
            EXPECT_EQ(item.caption.find(u'&'), std::u16string_view::npos) << item.name;
        }
    }
}

}  // namespace
}  // namespace vantrel
