#include "phones/PhoneCount.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "text/AsciiText.h"

namespace vantrel {
namespace {

constexpr std::u16string_view kAdbProtocol = u"Class_ff&SubClass_42&Prot_01";
constexpr std::u16string_view kFastbootProtocol = u"Class_ff&SubClass_42&Prot_03";

bool anyIdNames(const UsbDeviceNode& node, std::u16string_view protocol) {
    return std::ranges::any_of(node.ids, [protocol](const std::u16string& id) {
        return containsIgnoringAsciiCase(id, protocol);
    });
}

// No single signal is trusted alone: Windows versions and drivers differ in
// which of them they set.
bool driverMissingOrBroken(const UsbDeviceNode& node) {
    return node.reportsProblem || node.problemCode != 0 || !node.hasDriverKey;
}

// Phone nodes and attached phones alike, by their modes.
template <class Phones>
PhoneCounts countModes(const Phones& phones) {
    PhoneCounts counts;
    for (const auto& phone : phones) {
        ++(phone.mode == PhoneMode::Adb        ? counts.adb
           : phone.mode == PhoneMode::Fastboot ? counts.fastboot
                                               : counts.withoutDriver);
    }
    return counts;
}

}  // namespace

std::vector<PhoneNode> phoneNodes(std::span<const UsbDeviceNode> nodes) {
    std::vector<PhoneNode> phones;
    for (auto node = nodes.begin(); node != nodes.end(); ++node) {
        const auto same = [&node](const UsbDeviceNode& other) {
            return equalIgnoringAsciiCase(other.instanceId, node->instanceId);
        };
        // One node, listed more than once (say once for its Android interface),
        // is one phone, as its first listing tells, with an interface when
        // any listing shows one.
        if (std::any_of(nodes.begin(), node, same)) {
            continue;
        }
        const bool hasInterface =
            std::any_of(node, nodes.end(), [&same](const UsbDeviceNode& other) {
                return other.hasAndroidInterface && same(other);
            });
        if (hasInterface) {
            const bool fastboot = anyIdNames(*node, kFastbootProtocol);
            phones.push_back({node->instanceId, fastboot ? PhoneMode::Fastboot : PhoneMode::Adb});
        } else if ((anyIdNames(*node, kAdbProtocol) || anyIdNames(*node, kFastbootProtocol)) &&
                   driverMissingOrBroken(*node)) {
            phones.push_back({node->instanceId, PhoneMode::WithoutDriver});
        }
    }
    return phones;
}

PhoneCounts countPhones(std::span<const UsbDeviceNode> nodes) {
    return countModes(phoneNodes(nodes));
}

PhoneCounts countPhones(std::span<const AttachedPhone> phones) {
    return countModes(phones);
}

}  // namespace vantrel
