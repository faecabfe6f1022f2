#pragma once

#include <string>
#include <string_view>

namespace e2e {

// What a console receives for one typed line: its code units, then Enter (13).
std::wstring enteredLine(std::wstring_view line);

// UTF-8, for failure messages.
std::string utf8(std::wstring_view text);

// Equal without regard to case, as Windows compares the names of files,
// programs and environment variables.
bool equalIgnoringCase(std::wstring_view left, std::wstring_view right);

}  // namespace e2e
