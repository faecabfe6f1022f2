#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace vantrel::win32 {

// The portable core keeps text as UTF-16 in char16_t; Windows takes the same
// code units as wchar_t. These are the only conversions between the two.
static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wchar_t is a UTF-16 code unit");

inline std::wstring wide(std::u16string_view text) {
    return {text.begin(), text.end()};
}

inline std::u16string utf16(std::wstring_view text) {
    return {text.begin(), text.end()};
}

// The whole text of a window or control, however long.
inline std::u16string windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(copied));
    return utf16(text);
}

}  // namespace vantrel::win32
