#include "actions/ComposedLines.h"

namespace vantrel {
namespace {

constexpr std::u16string_view kRootShellOpening = u"adb shell \"su -c '";
constexpr std::u16string_view kRootShellClosing = u"'\"";

std::u16string decimal(int value) {
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + value % 10));
        value /= 10;
    } while (value > 0);
    return digits;
}

std::u16string twoDigits(int value) {
    std::u16string text = decimal(value);
    if (text.size() < 2) {
        text.insert(text.begin(), u'0');
    }
    return text;
}

}  // namespace

std::u16string firmwareExtractionLine(std::u16string_view partition, std::u16string_view target) {
    std::u16string line(kRootShellOpening);
    line += u"dd if=";
    line += partition;
    line += u" of=";
    line += target;
    line += kRootShellClosing;
    return line;
}

std::u16string clockSyncLine(const LocalTime& time) {
    std::u16string line(kRootShellOpening);
    line += u"date ";
    line += twoDigits(time.month);
    line += twoDigits(time.day);
    line += twoDigits(time.hour);
    line += twoDigits(time.minute);
    line += decimal(time.year);
    line += u".";
    line += twoDigits(time.second);
    line += u" set";
    line += kRootShellClosing;
    return line;
}

}  // namespace vantrel
