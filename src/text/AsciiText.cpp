#include "text/AsciiText.h"

// Iterator algorithms rather than ranges: the fuzz targets compile this with
// clang 14, which cannot compile libstdc++ 12's ranges.
#include <algorithm>

namespace vantrel {
namespace {

bool sameIgnoringAsciiCase(char16_t a, char16_t b) {
    return asciiLower(a) == asciiLower(b);
}

}  // namespace

std::u16string decimal(unsigned value) {
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + value % 10));
        value /= 10;
    } while (value > 0);
    return digits;
}

char16_t asciiLower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool containsIgnoringAsciiCase(std::u16string_view text, std::u16string_view part) {
    return std::search(text.begin(), text.end(), part.begin(), part.end(), sameIgnoringAsciiCase) !=
               text.end() ||
           part.empty();
}

bool equalIgnoringAsciiCase(std::u16string_view a, std::u16string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), sameIgnoringAsciiCase);
}

bool endsWithIgnoringAsciiCase(std::u16string_view text, std::u16string_view suffix) {
    return text.size() >= suffix.size() &&
           equalIgnoringAsciiCase(text.substr(text.size() - suffix.size()), suffix);
}

}  // namespace vantrel
