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

std::u16string folded(std::u16string_view text) {
    std::u16string key(text);
    std::ranges::transform(key, key.begin(), asciiLower);
    return key;
}

}  // namespace

PhoneCounts countPhones(std::span<const UsbDeviceNode> nodes) {
    // One node, listed more than once (say once for its Android interface),
    // is one phone, with an interface when any listing shows one.
    std::vector<UsbDeviceNode> distinct;
    for (const UsbDeviceNode& node : nodes) {
        const auto same =
            std::ranges::find(distinct, folded(node.instanceId),
                              [](const UsbDeviceNode& known) { return folded(known.instanceId); });
        if (same == distinct.end()) {
            distinct.push_back(node);
        } else {
            same->hasAndroidInterface = same->hasAndroidInterface || node.hasAndroidInterface;
        }
    }
    PhoneCounts counts;
    for (const UsbDeviceNode& node : distinct) {
        if (node.hasAndroidInterface) {
            ++(anyIdNames(node, kFastbootProtocol) ? counts.fastboot : counts.adb);
        } else if ((anyIdNames(node, kAdbProtocol) || anyIdNames(node, kFastbootProtocol)) &&
                   driverMissingOrBroken(node)) {
            ++counts.withoutDriver;
        }
    }
    return counts;
}

}  // namespace vantrel
