#include "phones/PhoneStatusText.h"

#include "text/AsciiText.h"

namespace vantrel {
namespace {

constexpr std::u16string_view kLineBreak = u"\r\n";

constexpr std::u16string_view kNoPhoneAdvice =
    u"请用数据线连接手机，并在手机的“开发者选项”里打开“USB调试”。";
constexpr std::u16string_view kAdbAdvice =
    u"ADB：第一次连接时，请在手机上允许这台电脑调试，再用“列出ADB设备”查看。";
constexpr std::u16string_view kFastbootAdvice = u"Fastboot：请使用“BL模式”里的操作。";
constexpr std::u16string_view kToolsAdvice =
    u"请把Android SDK Platform-Tools里的adb.exe、fastboot.exe和它们的DLL文件复制到C:\\ADB。";
// Both ways that need no download come with Windows 10 and 11.
constexpr std::u16string_view kNoDriverAdvice =
    u"无驱动：请安装手机厂商的USB驱动或Google USB驱动，然后重新插拔数据线。Windows 10和11不用下载驱动也可以：在“Windows 更新”→“高级选项”→“可选更新”里安装“Android Bootloader Interface”（手机以Fastboot模式连接过以后才会出现）；或者在“更新驱动程序”向导里选择“通用串行总线设备”→“WinUsb设备”。";
constexpr std::u16string_view kDriverPageQuestion = u"是否打开这台手机的设备属性，以安装驱动？";

// "手机已连接（ADB）" for one phone, "已连接3台手机（ADB）" for more.
std::u16string phonesInOneMode(unsigned count, std::u16string_view mode) {
    std::u16string text = count == 1 ? u"手机已连接（" : u"已连接" + decimal(count) + u"台手机（";
    text += mode;
    text += u"）";
    return text;
}

// The parts of a mix, "ADB 1台，Fastboot 1台", with the kinds that are absent left out.
std::u16string mixedPhones(const PhoneCounts& counts) {
    std::u16string text;
    const auto add = [&text](unsigned count, std::u16string_view kind) {
        if (count == 0) {
            return;
        }
        if (!text.empty()) {
            text += u"，";
        }
        text += kind;
        text += decimal(count);
        text += u"台";
    };
    add(counts.adb, u"ADB ");
    add(counts.fastboot, u"Fastboot ");
    add(counts.withoutDriver, u"无驱动 ");
    return text;
}

}  // namespace

std::u16string phoneStatusText(const PhoneCounts& counts) {
    const unsigned kinds = (counts.adb > 0 ? 1u : 0u) + (counts.fastboot > 0 ? 1u : 0u) +
                           (counts.withoutDriver > 0 ? 1u : 0u);
    if (kinds == 0) {
        return u"未检测到手机";
    }
    if (kinds > 1) {
        return mixedPhones(counts);
    }
    if (counts.adb > 0) {
        return phonesInOneMode(counts.adb, u"ADB");
    }
    if (counts.fastboot > 0) {
        return phonesInOneMode(counts.fastboot, u"Fastboot");
    }
    return u"手机已连接，但没有驱动";
}

PhoneReport phoneReport(const PhoneCounts& counts) {
    PhoneReport report{phoneStatusText(counts), {}, {}};
    if (counts == PhoneCounts{}) {
        report.advice.push_back(kNoPhoneAdvice);
    }
    if (counts.adb > 0) {
        report.advice.push_back(kAdbAdvice);
    }
    if (counts.fastboot > 0) {
        report.advice.push_back(kFastbootAdvice);
    }
    if (counts.withoutDriver > 0) {
        report.advice.push_back(kNoDriverAdvice);
    }
    return report;
}

PhoneReport phoneReport(std::span<const AttachedPhone> phones) {
    PhoneReport report = phoneReport(countPhones(phones));
    for (const AttachedPhone& phone : phones) {
        std::u16string& line = report.phones.emplace_back(phone.name);
        line += u"：";
        line += phoneModeName(phone.mode);
        if (phone.serial) {
            line += u"，序列号";
            line += *phone.serial;
        }
        if (phone.mode == PhoneMode::WithoutDriver && !report.nodeWithoutDriver) {
            report.nodeWithoutDriver = phone.instanceId;
        }
    }
    return report;
}

PhoneReport failedDetectionReport() {
    return {std::u16string(kPhoneDetectionFailedText), {}, {}};
}

std::u16string statusBarText(const PhoneReport& report, MissingTools missing) {
    if (missing.adb && missing.fastboot) {
        return u"未找到adb和fastboot";
    }
    if (missing.adb) {
        return u"未找到adb";
    }
    if (missing.fastboot) {
        return u"未找到fastboot";
    }
    return report.line;
}

std::u16string statusDetails(const PhoneReport& report, MissingTools missing) {
    const bool toolsMissing = missing != MissingTools{};
    std::u16string text = report.line;
    if (toolsMissing) {
        text += kLineBreak;
        text += statusBarText(report, missing);
    }
    for (const std::u16string& phone : report.phones) {
        text += kLineBreak;
        text += phone;
    }
    if (toolsMissing || !report.advice.empty()) {
        text += kLineBreak;  // the blank line before the advice
    }
    for (const std::u16string_view advice : report.advice) {
        text += kLineBreak;
        text += advice;
    }
    if (toolsMissing) {
        text += kLineBreak;
        text += kToolsAdvice;
    }
    if (report.nodeWithoutDriver) {
        text += kLineBreak;
        text += kLineBreak;
        text += kDriverPageQuestion;
    }
    return text;
}

}  // namespace vantrel
