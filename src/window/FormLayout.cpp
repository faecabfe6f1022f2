#include "window/FormLayout.h"

namespace vantrel {
namespace {

constexpr std::array kControls{
    ControlSpec{
        "Option1", kOption1, ControlKind::OptionButton, u"正常模式", {120, 120, 1095, 375}, 0},
    ControlSpec{"Option2", kOption2, ControlKind::OptionButton, u"BL模式", {120, 720, 975, 375}, 1},
    ControlSpec{"Combo1", kCombo1, ControlKind::ComboBox, u"手机重启", {1200, 120, 1695, 300}, 2},
    ControlSpec{
        "Combo2", kCombo2, ControlKind::ComboBox, u"寻找Fastboot", {1200, 720, 1695, 300}, 3},
    ControlSpec{
        "Command2", kCommand2, ControlKind::PushButton, u"开始", {1680, 2520, 1095, 615}, 4},
    ControlSpec{
        "Option4", kOption4, ControlKind::OptionButton, u"安装apk", {120, 1920, 1095, 375}, 5},
    ControlSpec{"Text1", kText1, ControlKind::TextBox, u"", {1200, 1920, 1695, 375}, 6},
    ControlSpec{
        "Command1", kCommand1, ControlKind::PushButton, u"打开cmd", {240, 2520, 1095, 615}, 7},
    ControlSpec{
        "Option3", kOption3, ControlKind::OptionButton, u"传输文件", {120, 1320, 1215, 375}, 8},
    ControlSpec{
        "Command3", kCommand3, ControlKind::PushButton, u"Command3", {3240, 3720, 1095, 615}, 9},
    ControlSpec{
        "Combo3", kCombo3, ControlKind::ComboBox, u"从电脑到手机", {1200, 1320, 1695, 300}, 10},
};

constexpr std::array<std::u16string_view, 16> kCombo1Items{
    u"手机重启", u"手机关机",   u"进入Shell",  u"列出ADB设备", u"重启进入Rec", u"重启进入BL",
    u"ADB刷机",  u"无线调试",   u"模拟按键",   u"显示包名",    u"卸载Apk",     u"提取固件",
    u"同步时间", u"安装Magisk", u"安装X-pore", u"安装X浏览器",
};

constexpr std::array<std::u16string_view, 6> kCombo2Items{
    u"寻找Fastboot", u"刷Recovery", u"重启", u"刷入System", u"OEM解锁", u"刷入Boot",
};

constexpr std::array<std::u16string_view, 2> kCombo3Items{u"从电脑到手机", u"从手机到电脑"};

constexpr std::array kDisplayMenu{
    MenuItemSpec{"xgfbl", kXgfbl, u"修改分辨率"},
    MenuItemSpec{"xgdpi", kXgdpi, u"修改DPI"},
    MenuItemSpec{"xsfpl", kXsfpl, u"显示分辨率"},
    MenuItemSpec{"xsdpi", kXsdpi, u"显示DPI"},
    MenuItemSpec{"hffpl", kHffpl, u"恢复默认分辨率"},
    MenuItemSpec{"hfdpi", kHfdpi, u"恢复默认DPI"},
    MenuItemSpec{"jp", kJp, u"截屏"},
    MenuItemSpec{"tstp", kTstp, u"推送图片"},
    MenuItemSpec{"jz", kJz, u"键值"},
};

constexpr std::array kStartupMenu{
    MenuItemSpec{"zdcmd", kZdcmd, u"自动进入cmd"},
    MenuItemSpec{"qxcmd", kQxcmd, u"不自动进入cmd"},
};

constexpr std::array kHelpMenu{
    MenuItemSpec{"adbhelp", kAdbhelp, u"adb帮助"},
    MenuItemSpec{"BLhelp", kBLhelp, u"fastboot帮助"},
    MenuItemSpec{"bzfile", kBzfile, u"帮助文件"},
    MenuItemSpec{"gy", kGy, u"关于"},
};

constexpr std::array kMenuBar{
    MenuSpec{"xs", u"显示", kDisplayMenu},
    MenuSpec{"qdcmd", u"启动", kStartupMenu},
    MenuSpec{"bz", u"帮助", kHelpMenu},
};

}  // namespace

std::span<const ControlSpec> controlsInTabOrder() {
    return kControls;
}

std::span<const std::u16string_view> listItems(ControlId combo) {
    switch (combo) {
        case kCombo1:
            return kCombo1Items;
        case kCombo2:
            return kCombo2Items;
        case kCombo3:
            return kCombo3Items;
        default:
            return {};
    }
}

std::span<const MenuSpec> menuBar() {
    return kMenuBar;
}

int twipsToPixels(int twips, int dpi) {
    // Same rounding as MulDiv(twips, dpi, 1440) for the non-negative values used here.
    return (twips * dpi + 720) / 1440;
}

}  // namespace vantrel
