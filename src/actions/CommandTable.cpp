#include "actions/CommandTable.h"

#include <algorithm>
#include <array>

// The web page that "关于" opens; set at build time (CMake cache entry VANTREL_HOMEPAGE_URL).
#ifndef VANTREL_HOMEPAGE_URL
#error "VANTREL_HOMEPAGE_URL must be defined by the build"
#endif

namespace vantrel {
namespace {

constexpr std::u16string_view kWirelessPrompt =
    u"请输入安卓设备的IP地址和端口号，:号前面为IP地址，后面为端口号，需要安卓设备开启无线调试。";
constexpr std::u16string_view kKeyPrompt =
    u"请输入要模拟按键的键值，返回键4、home键3、菜单键82、电源键26、音量加键24、音量减键25，更多按键值请到显示键值里面查询。";
constexpr std::u16string_view kUninstallPrompt = u"请输入要卸载的包名。";
constexpr std::u16string_view kPushSourcePrompt =
    u"请输入电脑上要传输文件的路径，支持文件或者文件夹,路径不能有空格或者特殊字符。";
constexpr std::u16string_view kPushDestinationPrompt =
    u"请输入手机上要传输文件的路径,路径不能有空格或者特殊字符。";
constexpr std::u16string_view kPullSourcePrompt =
    u"请输入手机上要传输文件的路径，支持文件或者文件夹,路径不能有空格或者特殊字符。";
constexpr std::u16string_view kPullDestinationPrompt =
    u"请输入电脑上要传输文件的路径,路径不能有空格或者特殊字符。";
constexpr std::u16string_view kSwitchSlotWarning =
    u"切换槽位后，手机下次从另一个槽位（A/B）启动。\r\n如果另一个槽位里是旧版本的系统，或者没有系统，手机可能无法开机。\r\n确定要切换吗？";
constexpr std::u16string_view kFlashingUnlockWarning =
    u"解锁Bootloader会清除手机上的所有数据，请先备份。\r\n输入命令后，手机屏幕上还会再问一次：用音量键选择，电源键确认。\r\n“OEM解锁”是给老手机用的；较新的手机用“解锁BL”。\r\n确定要解锁吗？";

constexpr Command onClick(std::string_view name, ControlId id, Action action) {
    return {name, ControlTrigger{id}, action};
}
constexpr Command normal(std::string_view name, std::u16string_view item, Action action) {
    return {name, StartTest{Mode::Normal, List::NormalActions, item}, action};
}
constexpr Command bootloader(std::string_view name, std::u16string_view item, Action action) {
    return {name, StartTest{Mode::Bootloader, List::BootloaderActions, item}, action};
}
constexpr Command transfer(std::string_view name, std::u16string_view item, Action action) {
    return {name, StartTest{Mode::Transfer, List::TransferDirections, item}, action};
}

// The flashes and the sideload type the same full path that they tested, so
// a console in any folder flashes exactly the checked file.
constexpr std::array kCommands{
    // The Start button, in the order of its tests.
    normal("connectWirelessly", u"无线调试",
           PromptedLine{kWirelessPrompt, u"192.168.1.200:5555", u"adb connect "}),
    normal("listPackages", u"显示包名", FixedLine{u"adb shell pm list packages"}),
    normal(
        "uninstallPackage", u"卸载Apk",
        PromptedLine{kUninstallPrompt, u"com.tencent.mm", u"adb shell pm uninstall -k --user 0 "}),
    normal("pressKey", u"模拟按键", PromptedLine{kKeyPrompt, u"4", u"adb shell input keyevent "}),
    normal("extractFirmware", u"提取固件", FirmwareExtraction{}),
    normal("syncClock", u"同步时间", ClockSync{}),
    normal("installMagisk", u"安装Magisk", FixedLine{u"adb install C:\\ADB\\Magisk.apk"}),
    normal("installXplore", u"安装X-pore", FixedLine{u"adb install C:\\ADB\\X-plore.apk"}),
    normal("installXBrowser", u"安装X浏览器", FixedLine{u"adb install C:\\ADB\\X-llq.apk"}),
    normal("rebootPhone", u"手机重启", FixedLine{u"adb shell reboot"}),
    normal("powerOffPhone", u"手机关机", FixedLine{u"adb shell reboot -p"}),
    normal("openShell", u"进入Shell", FixedLine{u"adb shell"}),
    normal("listAdbDevices", u"列出ADB设备", FixedLine{u"adb devices"}),
    normal("rebootToRecovery", u"重启进入Rec", FixedLine{u"adb reboot recovery"}),
    normal("rebootToBootloader", u"重启进入BL", FixedLine{u"adb reboot bootloader"}),
    normal("sideloadUpdate", u"ADB刷机",
           GuardedFileAction{
               u"请把文件名称为update.zip的刷机包，放在C:\\ADB目录下，并且保持数据线连接",
               u"C:\\ADB\\update.zip", u"adb sideload ",
               u"请确定单击了是,并且C:\\ADB\\update.zip文件存在", ExpectedImage::FlashPackage,
               u"选择要发送的刷机包"}),
    normal("rebootToFastbootd", u"重启进入Fastbootd", FixedLine{u"adb reboot fastboot"}),
    bootloader("listFastbootDevices", u"寻找Fastboot", FixedLine{u"fastboot devices"}),
    bootloader("flashRecovery", u"刷Recovery",
               GuardedFileAction{
                   u"请把文件名称为recovery.img恢复模式，放在C:\\ADB目录下，并且保持数据线连接",
                   u"C:\\ADB\\recovery.img", u"fastboot flash recovery ",
                   u"请确定单击了是,并且C:\\ADB\\recovery.img文件存在",
                   ExpectedImage::RecoveryImage, u"选择要刷入的Recovery镜像"}),
    bootloader("rebootFromBootloader", u"重启", FixedLine{u"fastboot reboot"}),
    bootloader(
        "flashSystem", u"刷入System",
        GuardedFileAction{u"请把文件名称为system.img文件，放在C:\\ADB目录下，并且保持数据线连接",
                          u"C:\\ADB\\system.img", u"fastboot flash system -S 100M ",
                          u"请确定单击了是,并且C:\\ADB\\system.img文件存在",
                          ExpectedImage::SystemImage, u"选择要刷入的System镜像"}),
    bootloader(
        "flashBoot", u"刷入Boot",
        GuardedFileAction{u"请把文件名称为boot.img文件，放在C:\\ADB目录下，并且保持数据线连接",
                          u"C:\\ADB\\boot.img", u"fastboot flash boot ",
                          u"请确定单击了是,并且C:\\ADB\\boot.img文件存在", ExpectedImage::BootImage,
                          u"选择要刷入的Boot镜像"}),
    bootloader("unlockBootloader", u"OEM解锁", FixedLine{u"fastboot oem unlock"}),
    bootloader("showCurrentSlot", u"查看槽位", FixedLine{u"fastboot getvar current-slot"}),
    bootloader("switchSlot", u"切换槽位",
               WarnedLine{kSwitchSlotWarning, u"fastboot set_active other"}),
    bootloader("bootImageOnce", u"临时启动",
               TemporaryBoot{u"选择要临时启动的镜像", u"fastboot boot "}),
    bootloader("flashInitBoot", u"刷入Init_boot",
               GuardedFileAction{
                   u"请把文件名称为init_boot.img的文件，放在C:\\ADB目录下，并且保持数据线连接",
                   u"C:\\ADB\\init_boot.img", kInitBootLinePrefix,
                   u"请确定单击了是,并且C:\\ADB\\init_boot.img文件存在",
                   ExpectedImage::InitBootImage, u"选择要刷入的Init_boot镜像"}),
    bootloader(
        "flashVbmeta", u"刷入vbmeta",
        GuardedFileAction{u"请把文件名称为vbmeta.img的文件，放在C:\\ADB目录下，并且保持数据线连接",
                          u"C:\\ADB\\vbmeta.img",
                          u"fastboot --disable-verity --disable-verification flash vbmeta ",
                          u"请确定单击了是,并且C:\\ADB\\vbmeta.img文件存在",
                          ExpectedImage::VbmetaImage, u"选择要刷入的vbmeta镜像"}),
    bootloader("enterFastbootd", u"进入Fastbootd", FixedLine{u"fastboot reboot fastboot"}),
    bootloader("unlockByFlashing", u"解锁BL",
               WarnedLine{kFlashingUnlockWarning, u"fastboot flashing unlock"}),
    bootloader("flashRomScript", u"线刷", RomScriptFlash{}),
    transfer("pushToPhone", u"从电脑到手机",
             Transfer{u"adb push ", kPushSourcePrompt, u"C:\\ADB\\adbjz.doc",
                      kPushDestinationPrompt, u"/sdcard"}),
    transfer("pullToPc", u"从手机到电脑",
             Transfer{u"adb pull ", kPullSourcePrompt, u"/sdcard/test.png", kPullDestinationPrompt,
                      u"C:\\ADB"}),
    Command{"installApk", StartTest{Mode::Install, std::nullopt, u""}, ApkInstall{}},

    onClick("openConsole", kOpenConsoleButton, OpenConsole{}),
    // Menu "显示". Unlike the Start button's prompts, an empty entry still types the prefix.
    onClick(
        "changeResolution", kChangeResolutionItem,
        PromptedLine{u"请输入要更改安卓设备的分辨率。", u"240x240", u"adb shell wm size ", true}),
    onClick("changeDensity", kChangeDensityItem,
            PromptedLine{u"请输入要更改安卓设备的DPI。", u"150", u"adb shell wm density ", true}),
    onClick("showResolution", kShowResolutionItem, FixedLine{u"adb shell wm size"}),
    onClick("showDensity", kShowDensityItem, FixedLine{u"adb shell wm density"}),
    onClick("resetResolution", kResetResolutionItem, FixedLine{u"adb shell wm size reset"}),
    onClick("resetDensity", kResetDensityItem, FixedLine{u"adb shell wm density reset"}),
    onClick("takeScreenshot", kScreenshotItem,
            LineThenStatus{u"adb shell screencap -p /sdcard/test.png", u"/sdcard/test.png已截屏"}),
    onClick("pullScreenshot", kPullScreenshotItem,
            LineThenStatus{u"adb pull /sdcard/test.png C:\\ADB", u"已推送到电脑C:\\ADB"}),
    onClick("openKeyCodes", kKeyCodesItem, FixedLine{u"start C:\\adb\\adbjz.doc"}),
    // Menu "启动"
    onClick("turnAutoStartOn", kAutoStartOnItem, AutoStartOn{}),
    onClick("turnAutoStartOff", kAutoStartOffItem, AutoStartOff{}),
    // Menu "帮助"
    onClick("showAdbHelp", kAdbHelpItem, FixedLine{u"adb help"}),
    onClick("showFastbootHelp", kFastbootHelpItem, FixedLine{u"fastboot help"}),
    onClick("openHelpFile", kHelpFileItem, FixedLine{u"start C:\\adb\\adbbz.doc"}),
    onClick("openAboutPage", kAboutItem, FixedLine{u"explorer " VANTREL_HOMEPAGE_URL}),
    // Menu "设备"
    onClick("chooseDevice", kChooseDeviceItem, ChooseDevice{}),
    onClick("clearDevice", kClearDeviceItem, ClearDevice{}),
    onClick("pairWirelessly", kPairWirelesslyItem, PairWirelessly{}),
};

bool holds(const StartTest& test, const View& view) {
    // Both are read for every test, as the window is at this moment.
    const bool modeSelected = view.isSelected(test.mode);
    const bool textMatches = !test.list || view.listText(*test.list) == test.itemText;
    return modeSelected && textMatches;
}

}  // namespace

std::span<const Command> commandTable() {
    return kCommands;
}

const Command* commandForControl(ControlId id) {
    const auto found = std::ranges::find_if(kCommands, [id](const Command& command) {
        const auto* click = std::get_if<ControlTrigger>(&command.trigger);
        return click != nullptr && click->id == id;
    });
    return found == kCommands.end() ? nullptr : &*found;
}

const Command* commandForStart(const View& view) {
    const auto found = std::ranges::find_if(kCommands, [&view](const Command& command) {
        const auto* test = std::get_if<StartTest>(&command.trigger);
        return test != nullptr && holds(*test, view);
    });
    return found == kCommands.end() ? nullptr : &*found;
}

}  // namespace vantrel
