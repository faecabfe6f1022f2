#pragma once

namespace vantrel {

// Command ids of the main window's controls and menu items, named by what
// they do; the layout and command tables give each one's form name. Ids 1
// and 2 stay unused: the dialog manager sends them for Enter and Esc.
enum ControlId : int {
    kNormalModeOption = 101,       // Option1
    kBootloaderModeOption = 102,   // Option2
    kTransferModeOption = 103,     // Option3
    kInstallModeOption = 104,      // Option4
    kNormalActionList = 111,       // Combo1
    kBootloaderActionList = 112,   // Combo2
    kTransferDirectionList = 113,  // Combo3
    kStatusBox = 121,              // Text1
    kOpenConsoleButton = 131,      // Command1
    kStartButton = 132,            // Command2
    kUnusedButton = 133,           // Command3
    kPhoneStatusBar = 141,         // the status bar, which a click asks for details

    // Menu "显示"
    kChangeResolutionItem = 201,
    kChangeDensityItem = 202,
    kShowResolutionItem = 203,
    kShowDensityItem = 204,
    kResetResolutionItem = 205,
    kResetDensityItem = 206,
    kScreenshotItem = 207,
    kPullScreenshotItem = 208,
    kKeyCodesItem = 209,
    // Menu "启动"
    kAutoStartOnItem = 221,
    kAutoStartOffItem = 222,
    // Menu "帮助"
    kAdbHelpItem = 241,
    kFastbootHelpItem = 242,
    kHelpFileItem = 243,
    kAboutItem = 244,
    // Menu "设备"
    kChooseDeviceItem = 261,
    kClearDeviceItem = 262,
    kPairWirelesslyItem = 263,
};

}  // namespace vantrel
