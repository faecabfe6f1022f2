#pragma once

#include <string_view>

#include "window/FormContext.h"

namespace vantrel {

// Present means: open a console when the program starts.
inline constexpr std::u16string_view kWorkFolder = u"C:\\adb";
inline constexpr std::u16string_view kAutoStartMarker = u"C:\\adb\\qd";

inline constexpr std::u16string_view kConsoleStartFailedStatus = u"无法打开cmd窗口";
inline constexpr std::u16string_view kMarkerNotMadeStatus = u"无法设置自动进入cmd";
inline constexpr std::u16string_view kMarkerNotRemovedStatus = u"无法取消自动进入cmd";

// Load of Form1: opens one console when the auto-start marker is present.
void Form1_Load(FormContext& form);
// "打开cmd": opens a new console on every click.
void Command1_Click(FormContext& form);
// "自动进入cmd": makes the auto-start marker.
void zdcmd_Click(FormContext& form);
// "不自动进入cmd": removes the auto-start marker.
void qxcmd_Click(FormContext& form);

}  // namespace vantrel
