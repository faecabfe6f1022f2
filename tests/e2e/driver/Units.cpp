#include "driver/Units.h"

#include <windows.h>

#include <algorithm>
#include <cwctype>

namespace e2e {

std::wstring enteredLine(std::wstring_view line) {
    return std::wstring(line) + L'\r';
}

std::string utf8(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int length = static_cast<int>(text.size());
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string converted(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, converted.data(), bytes, nullptr, nullptr);
    return converted;
}

bool equalIgnoringCase(std::wstring_view left, std::wstring_view right) {
    return std::ranges::equal(
        left, right, [](wchar_t a, wchar_t b) { return std::towlower(a) == std::towlower(b); });
}

}  // namespace e2e
