#include "app/WindowLayout.h"

#include <algorithm>
#include <array>

namespace vantrel {
namespace {

using enum ControlKind;
using enum TabStop;

constexpr std::array kControls{
    ControlDefinition{"Option1",
                      kNormalModeOption,
                      OptionButton,
                      u"正常模式",
                      {120, 120, 1095, 375},
                      WhenSelected},
    ControlDefinition{"Option2",
                      kBootloaderModeOption,
                      OptionButton,
                      u"BL模式",
                      {120, 720, 975, 375},
                      WhenSelected},
    ControlDefinition{"Combo1",
                      kNormalActionList,
                      ComboBox,
                      u"手机重启",
                      {1200, 120, 1695, kListFieldHeightTwips},
                      Always},
    ControlDefinition{"Combo2",
                      kBootloaderActionList,
                      ComboBox,
                      u"寻找Fastboot",
                      {1200, 720, 1695, kListFieldHeightTwips},
                      Always},
    ControlDefinition{
        "Command2", kStartButton, PushButton, u"开始", {1680, 2520, 1095, 615}, Always},
    ControlDefinition{"Option4",
                      kInstallModeOption,
                      OptionButton,
                      u"安装apk",
                      {120, 1920, 1095, 375},
                      WhenSelected},
    ControlDefinition{"Text1", kStatusBox, TextBox, u"", {1200, 1920, 1695, 375}, Always},
    ControlDefinition{
        "Command1", kOpenConsoleButton, PushButton, u"打开cmd", {240, 2520, 1095, 615}, Always},
    ControlDefinition{"Option3",
                      kTransferModeOption,
                      OptionButton,
                      u"传输文件",
                      {120, 1320, 1215, 375},
                      WhenSelected},
    ControlDefinition{
        "Command3", kUnusedButton, PushButton, u"Command3", {3240, 3720, 1095, 615}, Never},
    ControlDefinition{"Combo3",
                      kTransferDirectionList,
                      ComboBox,
                      u"从电脑到手机",
                      {1200, 1320, 1695, kListFieldHeightTwips},
                      Always},
};

constexpr std::array<std::u16string_view, 17> kNormalActions{
    u"手机重启", u"手机关机",   u"进入Shell",  u"列出ADB设备", u"重启进入Rec",       u"重启进入BL",
    u"ADB刷机",  u"无线调试",   u"模拟按键",   u"显示包名",    u"卸载Apk",           u"提取固件",
    u"同步时间", u"安装Magisk", u"安装X-pore", u"安装X浏览器", u"重启进入Fastbootd",
};

constexpr std::array<std::u16string_view, 14> kBootloaderActions{
    u"寻找Fastboot", u"刷Recovery",    u"重启",     u"刷入System", u"OEM解锁",
    u"刷入Boot",     u"查看槽位",      u"切换槽位", u"临时启动",   u"刷入Init_boot",
    u"刷入vbmeta",   u"进入Fastbootd", u"解锁BL",   u"线刷",
};

constexpr std::array<std::u16string_view, 2> kTransferDirections{u"从电脑到手机", u"从手机到电脑"};

constexpr std::array kDisplayMenu{
    MenuItemDefinition{"xgfbl", kChangeResolutionItem, u"修改分辨率"},
    MenuItemDefinition{"xgdpi", kChangeDensityItem, u"修改DPI"},
    MenuItemDefinition{"xsfpl", kShowResolutionItem, u"显示分辨率"},
    MenuItemDefinition{"xsdpi", kShowDensityItem, u"显示DPI"},
    MenuItemDefinition{"hffpl", kResetResolutionItem, u"恢复默认分辨率"},
    MenuItemDefinition{"hfdpi", kResetDensityItem, u"恢复默认DPI"},
    MenuItemDefinition{"jp", kScreenshotItem, u"截屏"},
    MenuItemDefinition{"tstp", kPullScreenshotItem, u"推送图片"},
    MenuItemDefinition{"jz", kKeyCodesItem, u"键值"},
};

constexpr std::array kStartupMenu{
    MenuItemDefinition{"zdcmd", kAutoStartOnItem, u"自动进入cmd"},
    MenuItemDefinition{"qxcmd", kAutoStartOffItem, u"不自动进入cmd"},
};

constexpr std::array kHelpMenu{
    MenuItemDefinition{"adbhelp", kAdbHelpItem, u"adb帮助"},
    MenuItemDefinition{"BLhelp", kFastbootHelpItem, u"fastboot帮助"},
    MenuItemDefinition{"bzfile", kHelpFileItem, u"帮助文件"},
    MenuItemDefinition{"gy", kAboutItem, u"关于"},
};

constexpr std::array kDeviceMenu{
    MenuItemDefinition{"zdsb", kChooseDeviceItem, u"指定设备"},
    MenuItemDefinition{"qxzdsb", kClearDeviceItem, u"取消指定设备"},
    MenuItemDefinition{"wxpd", kPairWirelesslyItem, u"无线配对"},
};

constexpr std::array kMenuBar{
    MenuDefinition{"xs", u"显示", kDisplayMenu},
    MenuDefinition{"qdcmd", u"启动", kStartupMenu},
    MenuDefinition{"bz", u"帮助", kHelpMenu},
    MenuDefinition{"shebei", u"设备", kDeviceMenu},
};

// Option1 to Option4 in the order of Mode, and the lists in the order of List.
constexpr std::array kOptions{kNormalModeOption, kBootloaderModeOption, kTransferModeOption,
                              kInstallModeOption};
constexpr std::array kLists{kNormalActionList, kBootloaderActionList, kTransferDirectionList};

}  // namespace

std::span<const ControlDefinition> controlsInTabOrder() {
    return kControls;
}

std::span<const std::u16string_view> listItems(ControlId list) {
    switch (list) {
        case kNormalActionList:
            return kNormalActions;
        case kBootloaderActionList:
            return kBootloaderActions;
        case kTransferDirectionList:
            return kTransferDirections;
        default:
            return {};
    }
}

std::span<const MenuDefinition> menuBar() {
    return kMenuBar;
}

ControlId optionOf(Mode mode) {
    return kOptions[static_cast<std::size_t>(mode)];
}

std::optional<Mode> modeOf(int controlId) {
    const auto found = std::ranges::find(kOptions, controlId);
    if (found == kOptions.end()) {
        return std::nullopt;
    }
    return static_cast<Mode>(found - kOptions.begin());
}

ControlId listControlOf(List list) {
    return kLists[static_cast<std::size_t>(list)];
}

int twipsToPixels(int twips, int dpi) {
    // Same rounding as MulDiv(twips, dpi, 1440) for the non-negative values used here.
    return (twips * dpi + 720) / 1440;
}

}  // namespace vantrel
