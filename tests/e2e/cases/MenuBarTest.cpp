// The menu bar, read inside the program by the probe.
#include <algorithm>
#include <string>
#include <vector>

#include "driver/MenuBarReader.h"
#include "driver/Units.h"
#include "driver/VantrelTest.h"

namespace e2e {
namespace {

using namespace vantrel;

struct ExpectedMenu {
    std::wstring caption;
    std::vector<std::pair<std::wstring, int>> items;  // caption, command id
};

const std::vector<ExpectedMenu>& expectedMenuBar() {
    static const std::vector<ExpectedMenu> bar{
        {L"显示",
         {{L"修改分辨率", kChangeResolutionItem},
          {L"修改DPI", kChangeDensityItem},
          {L"显示分辨率", kShowResolutionItem},
          {L"显示DPI", kShowDensityItem},
          {L"恢复默认分辨率", kResetResolutionItem},
          {L"恢复默认DPI", kResetDensityItem},
          {L"截屏", kScreenshotItem},
          {L"推送图片", kPullScreenshotItem},
          {L"键值", kKeyCodesItem}}},
        {L"启动", {{L"自动进入cmd", kAutoStartOnItem}, {L"不自动进入cmd", kAutoStartOffItem}}},
        {L"帮助",
         {{L"adb帮助", kAdbHelpItem},
          {L"fastboot帮助", kFastbootHelpItem},
          {L"帮助文件", kHelpFileItem},
          {L"关于", kAboutItem}}},
        {L"设备",
         {{L"指定设备", kChooseDeviceItem},
          {L"取消指定设备", kClearDeviceItem},
          {L"无线配对", kPairWirelesslyItem}}},
    };
    return bar;
}

using MenuBarTest = VantrelTest;

TEST_F(MenuBarTest, HasFourMenusWithTheirItemsInOrder) {
    const std::vector<MenuEntry> bar = readMenuBar(window().handle());
    const auto& expected = expectedMenuBar();
    ASSERT_EQ(bar.size(), expected.size());
    for (size_t menu = 0; menu < bar.size(); ++menu) {
        SCOPED_TRACE(utf8(expected[menu].caption));
        EXPECT_EQ(bar[menu].caption, expected[menu].caption);
        EXPECT_TRUE(bar[menu].hasSubmenu);
        ASSERT_EQ(bar[menu].items.size(), expected[menu].items.size());
        for (size_t item = 0; item < bar[menu].items.size(); ++item) {
            const MenuEntry& entry = bar[menu].items[item];
            EXPECT_EQ(entry.caption, expected[menu].items[item].first);
            EXPECT_EQ(entry.id, static_cast<UINT>(expected[menu].items[item].second));
        }
    }
}

TEST_F(MenuBarTest, ItemsArePlainEnabledEntriesWithoutAccessKeys) {
    for (const MenuEntry& menu : readMenuBar(window().handle())) {
        EXPECT_EQ(menu.caption.find(L'&'), std::wstring::npos) << utf8(menu.caption);
        for (const MenuEntry& item : menu.items) {
            SCOPED_TRACE(utf8(item.caption));
            EXPECT_EQ(item.caption.find(L'&'), std::wstring::npos);
            EXPECT_EQ(item.caption.find(L'\t'), std::wstring::npos) << "no shortcut keys";
            EXPECT_FALSE(item.type & MFT_SEPARATOR);
            EXPECT_FALSE(item.hasSubmenu);
            EXPECT_FALSE(item.state & (MFS_DISABLED | MFS_GRAYED));
            EXPECT_FALSE(item.state & MFS_CHECKED);
        }
    }
}

}  // namespace
}  // namespace e2e
