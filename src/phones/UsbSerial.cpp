#include "phones/UsbSerial.h"

#include "actions/DeviceAnswers.h"
#include "text/AsciiText.h"

namespace vantrel {
namespace {

constexpr std::uint8_t kStringDescriptorType = 3;
constexpr std::size_t kHeaderBytes = 2;  // the length and the type

}  // namespace

std::optional<std::u16string> serialFromDescriptor(std::span<const std::uint8_t> descriptor,
                                                   std::u16string_view usbDeviceId) {
    if (descriptor.size() < kHeaderBytes || descriptor[1] != kStringDescriptorType) {
        return std::nullopt;
    }
    const std::size_t length = descriptor[0];
    if (length % 2 != 0 || length < kHeaderBytes + 2 || length > descriptor.size()) {
        return std::nullopt;
    }
    std::u16string serial;
    for (std::size_t at = kHeaderBytes; at < length; at += 2) {
        serial += static_cast<char16_t>(descriptor[at] | descriptor[at + 1] << 8);
    }
    const std::u16string_view segment = usbDeviceId.substr(usbDeviceId.rfind(u'\\') + 1);
    if (!isDeviceSerial(serial) || !equalIgnoringAsciiCase(serial, segment)) {
        return std::nullopt;
    }
    return serial;
}

}  // namespace vantrel
