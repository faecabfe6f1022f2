#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// The device interface class that Android USB drivers (ADB and fastboot) register.
inline constexpr std::u16string_view kAndroidUsbInterfaceClass =
    u"{F72FE0D4-CBCB-407D-8814-9ED673D0DD6B}";

// One USB device node as Windows reports it: what tells whether it is a
// phone, in which mode, and whether its driver works. The rules that read
// these facts belong to the core; the platform only gathers them.
struct UsbDeviceNode {
    std::u16string instanceId;         // USB\VID_18D1&PID_4EE7&MI_01\0123456789ABCDEF
    std::vector<std::u16string> ids;   // its hardware IDs, then its compatible IDs
    bool hasAndroidInterface = false;  // a present interface of kAndroidUsbInterfaceClass
    bool reportsProblem = false;       // the node's status says it has a problem
    std::uint32_t problemCode = 0;     // Plug and Play's problem code; 0 for none
    bool hasDriverKey = false;         // SPDRP_DRIVER is set: a driver was installed
};

// What Windows tells of the USB device that a phone's node belongs to: the
// node itself, or the composite device of which the node is one interface.
struct UsbDeviceFacts {
    std::u16string instanceId;              // empty when the device is not known
    std::optional<std::u16string> product;  // DEVPKEY_Device_BusReportedDeviceDesc
    // The string descriptor that the device's hub returned for its serial
    // number, as many bytes as came; empty when there was none.
    std::vector<std::uint8_t> serialDescriptor;
};

}  // namespace vantrel
