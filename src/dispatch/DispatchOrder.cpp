#include "dispatch/DispatchOrder.h"

#include <array>

namespace vantrel {
namespace {

constexpr std::u16string_view kWirelessPrompt =
    u"请输入安卓设备的IP地址和端口号，:号前面为IP地址，后面为端口号，需要安卓设备开启无线调试。";
constexpr std::u16string_view kKeyPrompt =
    u"请输入要模拟按键的键值，返回键4、home键3、菜单键82、电源键26、音量加键24、音量减键25，更多按"
    u"键值请"
    u"到显示键值里面查询。";
constexpr std::u16string_view kUninstallPrompt = u"请输入要卸载的包名。";

constexpr DispatchEntry normal(std::u16string_view item, Action action) {
    return {Mode::Normal, List::Combo1, item, action};
}
constexpr DispatchEntry bootloader(std::u16string_view item, Action action) {
    return {Mode::Bootloader, List::Combo2, item, action};
}
constexpr DispatchEntry transfer(std::u16string_view item, Action action) {
    return {Mode::Transfer, List::Combo3, item, action};
}

constexpr std::array kDispatchOrder{
    normal(u"无线调试", PromptedLine{kWirelessPrompt, u"192.168.1.200:5555", u"adb connect "}),
    normal(u"显示包名", FixedLine{u"adb shell pm list packages"}),
    normal(u"卸载Apk", PromptedLine{kUninstallPrompt, u"com.tencent.mm",
                                    u"adb shell pm uninstall -k --user 0 "}),
    normal(u"模拟按键", PromptedLine{kKeyPrompt, u"4", u"adb shell input keyevent "}),
    normal(u"提取固件", FirmwareExtraction{}),
    normal(u"同步时间", ClockSync{}),
    normal(u"安装Magisk", FixedLine{u"adb install C:\\ADB\\Magisk.apk"}),
    normal(u"安装X-pore", FixedLine{u"adb install C:\\ADB\\X-plore.apk"}),
    normal(u"安装X浏览器", FixedLine{u"adb install C:\\ADB\\X-llq.apk"}),
    normal(u"手机重启", FixedLine{u"adb shell reboot"}),
    normal(u"手机关机", FixedLine{u"adb shell reboot -p"}),
    normal(u"进入Shell", FixedLine{u"adb shell"}),
    normal(u"列出ADB设备", FixedLine{u"adb devices"}),
    normal(u"重启进入Rec", FixedLine{u"adb reboot recovery"}),
    normal(u"重启进入BL", FixedLine{u"adb reboot bootloader"}),
    normal(u"ADB刷机",
           GuardedFileAction{
               u"请把文件名称为update.zip的刷机包，放在C:\\ADB目录下，并且保持数据线连接",
               u"C:\\ADB\\update.zip", u"adb sideload update.zip",
               u"请确定单击了是,并且C:\\ADB\\update.zip文件存在"}),
    bootloader(u"寻找Fastboot", FixedLine{u"fastboot devices"}),
    bootloader(u"刷Recovery",
               GuardedFileAction{
                   u"请把文件名称为recovery.img恢复模式，放在C:\\ADB目录下，并且保持数据线连接",
                   u"C:\\ADB\\recovery.img", u"fastboot flash recovery recovery.img",
                   u"请确定单击了是,并且C:\\ADB\\recovery.img文件存在"}),
    bootloader(u"重启", FixedLine{u"fastboot reboot"}),
    bootloader(
        u"刷入System",
        GuardedFileAction{u"请把文件名称为system.img文件，放在C:\\ADB目录下，并且保持数据线连接",
                          u"C:\\ADB\\system.img", u"fastboot flash system -S 100M system.img",
                          u"请确定单击了是,并且C:\\ADB\\system.img文件存在"}),
    bootloader(
        u"刷入Boot",
        GuardedFileAction{u"请把文件名称为boot.img文件，放在C:\\ADB目录下，并且保持数据线连接",
                          u"C:\\ADB\\boot.img", u"fastboot flash boot boot.img",
                          u"请确定单击了是,并且C:\\ADB\\boot.img文件存在"}),
    bootloader(u"OEM解锁", FixedLine{u"fastboot oem unlock"}),
    transfer(
        u"从电脑到手机",
        Transfer{u"adb push ",
                 u"请输入电脑上要传输文件的路径，支持文件或者文件夹,路径不能有空格或者特殊字符。",
                 u"C:\\ADB\\adbjz.doc",
                 u"请输入手机上要传输文件的路径,路径不能有空格或者特殊字符。", u"/sdcard"}),
    transfer(
        u"从手机到电脑",
        Transfer{u"adb pull ",
                 u"请输入手机上要传输文件的路径，支持文件或者文件夹,路径不能有空格或者特殊字符。",
                 u"/sdcard/test.png", u"请输入电脑上要传输文件的路径,路径不能有空格或者特殊字符。",
                 u"C:\\ADB"}),
    DispatchEntry{Mode::Install, std::nullopt, u"", ApkInstall{}},
};

}  // namespace

std::span<const DispatchEntry> dispatchOrder() {
    return kDispatchOrder;
}

}  // namespace vantrel
