#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "phones/PhoneCount.h"
#include "ports/AttachedPhone.h"

namespace vantrel {

inline constexpr std::u16string_view kPhoneStatusTitle = u"设备状态";
// When Windows could not be asked which devices are attached.
inline constexpr std::u16string_view kPhoneDetectionFailedText = u"无法检测手机连接";
// When the driver page cannot be opened: the way to it by hand.
inline constexpr std::u16string_view kDriverByHandText =
    u"无法打开设备属性。请这样安装驱动：\r\n1. 右键点“开始”按钮，打开“设备管理器”；\r\n2. 在“其他设备”或“通用串行总线设备”下找到带黄色感叹号的手机；\r\n3. 右键点它，选择“更新驱动程序”→“浏览我的电脑以查找驱动程序”→“让我从计算机上的可用驱动程序列表中选取”。";

// Which of adb.exe and fastboot.exe the consoles would not find.
struct MissingTools {
    bool adb = false;
    bool fastboot = false;

    bool operator==(const MissingTools&) const = default;
};

// What one look at the PC found: the attached phones (nothing when Windows
// could not be asked) and the tools that the consoles would not find.
struct PhoneSurvey {
    std::optional<std::vector<AttachedPhone>> phones;
    MissingTools missingTools;
};

// What the status bar tells of the phones: its line, and what a click on the
// bar adds: a line for each phone, and the advice, a line each. The box
// offers to open the driver page of the first phone without a driver.
struct PhoneReport {
    std::u16string line;
    std::vector<std::u16string> phones;
    std::vector<std::u16string_view> advice;
    std::optional<std::u16string> nodeWithoutDriver{};
};

// Whether a phone is attached, and in which mode.
std::u16string phoneStatusText(const PhoneCounts& counts);

// The phone line, with one line of advice for each kind of phone present.
PhoneReport phoneReport(const PhoneCounts& counts);
// The same for these phones, each named on a line of its own:
// "<name>：<mode>，序列号<serial>", or "<name>：<mode>" without a serial.
PhoneReport phoneReport(std::span<const AttachedPhone> phones);
// Windows could not be asked: that alone, without advice.
PhoneReport failedDetectionReport();

// The bar shows the phone line while both tools are found; else which are missing.
std::u16string statusBarText(const PhoneReport& report, MissingTools missing);

// The text of the box that a click on the bar opens: the phone line, the
// missing tools' line, the phones, a blank line, the advice, where the tools
// belong, and, with a phone without a driver, a blank line and the question
// whether its driver page opens.
std::u16string statusDetails(const PhoneReport& report, MissingTools missing);

}  // namespace vantrel
