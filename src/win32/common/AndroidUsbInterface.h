#pragma once

#include <windows.h>

#include <cstddef>
#include <string_view>

#include "ports/UsbDevices.h"

namespace vantrel::win32 {
namespace guid_text {

constexpr unsigned hexDigit(char16_t c) {
    return c <= u'9' ? unsigned(c - u'0') : unsigned((c | 0x20) - u'a' + 10);
}

constexpr unsigned long hexNumber(std::u16string_view digits) {
    unsigned long value = 0;
    for (const char16_t c : digits) {
        value = value * 16 + hexDigit(c);
    }
    return value;
}

// A GUID from its registry form {xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}.
constexpr GUID guidFrom(std::u16string_view text) {
    GUID guid{};
    guid.Data1 = hexNumber(text.substr(1, 8));
    guid.Data2 = static_cast<unsigned short>(hexNumber(text.substr(10, 4)));
    guid.Data3 = static_cast<unsigned short>(hexNumber(text.substr(15, 4)));
    constexpr std::size_t kByteOffsets[] = {20, 22, 25, 27, 29, 31, 33, 35};
    for (std::size_t i = 0; i < 8; ++i) {
        guid.Data4[i] = static_cast<unsigned char>(hexNumber(text.substr(kByteOffsets[i], 2)));
    }
    return guid;
}

}  // namespace guid_text

// The device interface class that Android USB drivers register, made from
// the core's text, which stays the one place that names it.
inline constexpr GUID kAndroidUsbInterfaceGuid = guid_text::guidFrom(kAndroidUsbInterfaceClass);

}  // namespace vantrel::win32
