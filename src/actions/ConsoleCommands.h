#pragma once

#include <string_view>

#include "actions/Session.h"

namespace vantrel {

// Present means: open a console when the program starts.
inline constexpr std::u16string_view kWorkFolder = u"C:\\adb";
inline constexpr std::u16string_view kAutoStartMarker = u"C:\\adb\\qd";
// Where the consoles that the program opens start, so that adb and fastboot
// kept there are found.
inline constexpr std::u16string_view kConsoleFolder = u"C:\\ADB";

inline constexpr std::u16string_view kConsoleStartFailedStatus = u"无法打开cmd窗口";
inline constexpr std::u16string_view kMarkerNotMadeStatus = u"无法设置自动进入cmd";
inline constexpr std::u16string_view kMarkerNotRemovedStatus = u"无法取消自动进入cmd";

// Starts a console in the work folder when it is there, else in the
// program's own current folder; false when none could be started.
bool startConsoleInWorkFolder(Platform& platform);

// At start-up: opens one console when the auto-start marker is present.
void openConsoleIfAutoStart(Session& session);
// "打开cmd": opens a new console on every click.
void openConsole(Session& session);
// "自动进入cmd": makes the auto-start marker; says so when no marker counts afterwards.
void turnAutoStartOn(Session& session);
// "不自动进入cmd": removes the auto-start marker; says so when one still counts afterwards.
void turnAutoStartOff(Session& session);

}  // namespace vantrel
