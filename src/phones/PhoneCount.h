#pragma once

#include <span>
#include <string>
#include <vector>

#include "ports/AttachedPhone.h"
#include "ports/UsbDevices.h"

namespace vantrel {

// Attached phones by what the PC can do with them. One phone is one device
// node, however many interfaces it has.
struct PhoneCounts {
    unsigned adb = 0;
    unsigned fastboot = 0;
    unsigned withoutDriver = 0;  // a phone whose ADB or fastboot driver is not installed

    bool operator==(const PhoneCounts&) const = default;
};

// A device node that is a phone, and what the PC can do with it.
struct PhoneNode {
    std::u16string instanceId;
    PhoneMode mode = PhoneMode::Adb;
};

// The phones among the device nodes, each once, in the order listed:
// - a node with an Android interface is a fastboot phone when its IDs name
//   the fastboot protocol (Class_ff&SubClass_42&Prot_03), else an ADB phone;
// - a node without one is a phone without a driver when its IDs name the
//   ADB or the fastboot protocol and its driver does not work: it reports a
//   problem, has a problem code, or has no driver key.
// IDs and instance ids are compared without regard to case; a node listed
// twice counts once, with an interface when either listing has one.
std::vector<PhoneNode> phoneNodes(std::span<const UsbDeviceNode> nodes);

PhoneCounts countPhones(std::span<const UsbDeviceNode> nodes);
PhoneCounts countPhones(std::span<const AttachedPhone> phones);

}  // namespace vantrel
