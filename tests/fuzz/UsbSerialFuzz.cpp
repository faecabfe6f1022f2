// A hub returns whatever bytes the phone sends: the rule must stay within
// them, and a serial it gives must be one that the device prompt takes, the
// instance ID's last segment (the input's first byte tells how many of the
// next bytes make it; the rest is the descriptor), and as long as the
// descriptor says.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "actions/DeviceAnswers.h"
#include "phones/UsbSerial.h"
#include "text/AsciiText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t segmentLength = std::min<std::size_t>(data[0], size - 1);
    const std::u16string segment(data + 1, data + 1 + segmentLength);
    const std::span descriptor(data + 1 + segmentLength, size - 1 - segmentLength);
    const auto serial =
        vantrel::serialFromDescriptor(descriptor, u"USB\\VID_18D1&PID_4EE7\\" + segment);
    if (serial &&
        (!vantrel::isDeviceSerial(*serial) || !vantrel::equalIgnoringAsciiCase(*serial, segment) ||
         2 + 2 * serial->size() != descriptor[0])) {
        std::abort();
    }
    return 0;
}
