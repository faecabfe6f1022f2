#pragma once

#include <string_view>
#include <vector>

#include "phones/PhoneCount.h"
#include "ports/AttachedPhone.h"
#include "ports/UsbDevices.h"

namespace vantrel {

// Whether the node is one interface of a composite USB device (its instance
// ID holds "&MI_"), whose USB device is then the node's parent. A phone in
// ADB mode with file transfer on is such a device.
bool isCompositeInterface(std::u16string_view instanceId);

// A phone node as the window names it: by its USB device's product string
// without the blanks around it ("未知型号" without one), with the serial that
// the device's descriptor holds.
AttachedPhone attachedPhone(const PhoneNode& node, const UsbDeviceFacts& usbDevice);

// Puts the phone among the others in their order: by serial, ignoring ASCII
// case, those without a serial last; after its equals, so that among them
// the order listed stays.
void addInOrder(std::vector<AttachedPhone>& phones, AttachedPhone phone);

}  // namespace vantrel
