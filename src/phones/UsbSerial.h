#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vantrel {

// The serial number that a USB device reports, from the string descriptor
// that its hub returned: nothing unless the descriptor is whole (a length
// byte that is even, at least 4 and within the bytes returned, then type 3),
// its UTF-16LE text is a serial that the device prompt takes, and that text
// equals, ignoring ASCII case, the last segment of the device's instance ID,
// where Windows keeps the serial in capitals. The last check also refuses a
// port re-plugged meanwhile, and the made-up segments (with '&') of devices
// without a unique serial.
std::optional<std::u16string> serialFromDescriptor(std::span<const std::uint8_t> descriptor,
                                                   std::u16string_view usbDeviceId);

}  // namespace vantrel
