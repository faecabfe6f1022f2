#pragma once

#include <string>
#include <string_view>

#include "phones/PhoneCount.h"

namespace vantrel {

inline constexpr std::u16string_view kPhoneStatusTitle = u"设备状态";
// When Windows could not be asked which devices are attached.
inline constexpr std::u16string_view kPhoneDetectionFailedText = u"无法检测手机连接";

// The status bar's text: whether a phone is attached, and in which mode.
std::u16string phoneStatusText(const PhoneCounts& counts);

// The text of the box that a click on the status bar opens: the bar's text,
// a blank line, then one line of advice for each kind of phone present.
std::u16string phoneStatusDetails(const PhoneCounts& counts);

}  // namespace vantrel
