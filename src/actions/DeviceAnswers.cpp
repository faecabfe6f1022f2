#include "actions/DeviceAnswers.h"

#include <algorithm>

namespace vantrel {
namespace {

constexpr std::size_t kMaxLength = 64;

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\u3000';
}

bool isAsciiDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

bool isAsciiLetterOrDigit(char16_t c) {
    return isAsciiDigit(c) || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// Nothing else may reach the console: every character outside these would
// let a typed answer change what cmd runs.
bool madeOf(std::u16string_view text, std::u16string_view punctuation) {
    return !text.empty() && text.size() <= kMaxLength && std::ranges::all_of(text, [&](char16_t c) {
        return isAsciiLetterOrDigit(c) || punctuation.find(c) != std::u16string_view::npos;
    });
}

}  // namespace

std::u16string withoutSurroundingBlanks(std::u16string_view answer) {
    const auto first = std::ranges::find_if_not(answer, isBlank);
    const auto last = std::find_if_not(answer.rbegin(), answer.rend(), isBlank).base();
    return first < last ? std::u16string(first, last) : std::u16string();
}

bool isDeviceSerial(std::u16string_view text) {
    return madeOf(text, u".:_-");
}

bool isPairingAddress(std::u16string_view text) {
    return madeOf(text, u".:_-[]");
}

bool isPairingCode(std::u16string_view text) {
    return text.size() == 6 && std::ranges::all_of(text, isAsciiDigit);
}

}  // namespace vantrel
