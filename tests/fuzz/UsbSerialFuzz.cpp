// A hub returns whatever bytes the phone sends: the rule must stay within
// them, and a serial it gives must be one that the device prompt takes, the
// instance ID's last segment (the input's first byte tells how many of the
// next bytes follow the ID's "USB\VID_18D1&PID_4EE7\"; the rest is the
// descriptor; the segment is what follows the last '\'), and as long as the
// descriptor says.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>

#include "actions/DeviceAnswers.h"
#include "phones/UsbSerial.h"
#include "text/AsciiText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t idEndLength = std::min<std::size_t>(data[0], size - 1);
    const std::u16string idEnd(data + 1, data + 1 + idEndLength);
    const std::span descriptor(data + 1 + idEndLength, size - 1 - idEndLength);
    const auto serial =
        vantrel::serialFromDescriptor(descriptor, u"USB\\VID_18D1&PID_4EE7\\" + idEnd);
    const std::u16string_view segment = std::u16string_view(idEnd).substr(idEnd.rfind(u'\\') + 1);
    if (serial &&
        (!vantrel::isDeviceSerial(*serial) || !vantrel::equalIgnoringAsciiCase(*serial, segment) ||
         2 + 2 * serial->size() != descriptor[0])) {
        std::abort();
    }
    return 0;
}
