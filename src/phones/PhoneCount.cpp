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
    PhoneCounts counts;
    std::vector<std::u16string> counted;
    for (const UsbDeviceNode& node : nodes) {
        const std::u16string key = folded(node.instanceId);
        if (std::ranges::find(counted, key) != counted.end()) {
            continue;
        }
        if (node.hasAndroidInterface) {
            ++(anyIdNames(node, kFastbootProtocol) ? counts.fastboot : counts.adb);
        } else if ((anyIdNames(node, kAdbProtocol) || anyIdNames(node, kFastbootProtocol)) &&
                   driverMissingOrBroken(node)) {
            ++counts.withoutDriver;
        } else {
            continue;
        }
        counted.push_back(key);
    }
    return counts;
}

}  // namespace vantrel
