#include "actions/ComposedLines.h"

#include "text/AsciiText.h"

namespace vantrel {
namespace {

constexpr std::u16string_view kRootShellOpening = u"adb shell \"su -c '";
constexpr std::u16string_view kRootShellClosing = u"'\"";

// The clock's fields are never negative.
std::u16string digitsOf(int value) {
    return decimal(static_cast<unsigned>(value));
}

std::u16string twoDigits(int value) {
    std::u16string text = digitsOf(value);
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
    line += digitsOf(time.year);
    line += u".";
    line += twoDigits(time.second);
    line += u" set";
    line += kRootShellClosing;
    return line;
}

}  // namespace vantrel
