#pragma once

#include <string>
#include <string_view>

namespace vantrel {

// A non-negative number in plain decimal digits, without the C library's
// formatting, which would add to the Windows program's size.
std::u16string decimal(unsigned value);

// An ASCII capital as its small letter; every other code unit as it is.
char16_t asciiLower(char16_t c);

// Whether the text holds the part, comparing ASCII letters without regard to case.
bool containsIgnoringAsciiCase(std::u16string_view text, std::u16string_view part);

// Whether the two texts are equal, comparing ASCII letters without regard to case.
bool equalIgnoringAsciiCase(std::u16string_view a, std::u16string_view b);

// Whether the text ends with the suffix, comparing ASCII letters without regard to case.
bool endsWithIgnoringAsciiCase(std::u16string_view text, std::u16string_view suffix);

}  // namespace vantrel
