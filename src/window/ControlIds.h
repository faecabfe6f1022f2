#pragma once

namespace vantrel {

// Command ids of the main window's controls and menu items. Ids 1 and 2 stay
// unused: the dialog manager sends them for Enter and Esc, which start nothing.
enum ControlId : int {
    kOption1 = 101,
    kOption2 = 102,
    kOption3 = 103,
    kOption4 = 104,
    kCombo1 = 111,
    kCombo2 = 112,
    kCombo3 = 113,
    kText1 = 121,
    kCommand1 = 131,
    kCommand2 = 132,
    kCommand3 = 133,

    // Menu "显示"
    kXgfbl = 201,
    kXgdpi = 202,
    kXsfpl = 203,
    kXsdpi = 204,
    kHffpl = 205,
    kHfdpi = 206,
    kJp = 207,
    kTstp = 208,
    kJz = 209,
    // Menu "启动"
    kZdcmd = 221,
    kQxcmd = 222,
    // Menu "帮助"
    kAdbhelp = 241,
    kBLhelp = 242,
    kBzfile = 243,
    kGy = 244,
};

}  // namespace vantrel
