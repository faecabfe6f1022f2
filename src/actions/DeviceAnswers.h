#pragma once

#include <string>
#include <string_view>

namespace vantrel {

// The answer without the blanks around it: spaces, tabs and the full-width
// space that Chinese input methods type.
std::u16string withoutSurroundingBlanks(std::u16string_view answer);

// 1 to 64 ASCII letters, digits and . : _ - (emulator-5554, a USB serial, 192.168.1.200:5555).
bool isDeviceSerial(std::u16string_view text);

// 1 to 64 ASCII letters, digits and . : _ - [ ] (an IPv4 or bracketed IPv6 address and a port).
bool isPairingAddress(std::u16string_view text);

// Exactly six ASCII digits.
bool isPairingCode(std::u16string_view text);

}  // namespace vantrel
