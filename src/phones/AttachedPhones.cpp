#include "phones/AttachedPhones.h"

#include <algorithm>
#include <string>

#include "actions/DeviceAnswers.h"
#include "phones/UsbSerial.h"
#include "text/AsciiText.h"

namespace vantrel {
namespace {

constexpr std::u16string_view kUnknownModel = u"未知型号";

std::u16string phoneName(const std::optional<std::u16string>& product) {
    std::u16string name = withoutSurroundingBlanks(product.value_or(u""));
    return name.empty() ? std::u16string(kUnknownModel) : name;
}

// By serial, ignoring ASCII case; a phone without one after every phone with one.
bool listedBefore(const AttachedPhone& a, const AttachedPhone& b) {
    if (!a.serial || !b.serial) {
        return a.serial && !b.serial;
    }
    return std::ranges::lexicographical_compare(
        *a.serial, *b.serial, [](char16_t x, char16_t y) { return asciiLower(x) < asciiLower(y); });
}

}  // namespace

bool isCompositeInterface(std::u16string_view instanceId) {
    return containsIgnoringAsciiCase(instanceId, u"&MI_");
}

AttachedPhone attachedPhone(const PhoneNode& node, const UsbDeviceFacts& usbDevice) {
    return {phoneName(usbDevice.product), node.mode,
            serialFromDescriptor(usbDevice.serialDescriptor, usbDevice.instanceId),
            node.instanceId};
}

void addInOrder(std::vector<AttachedPhone>& phones, AttachedPhone phone) {
    // It moves ahead of those that it comes before, and no further: a few
    // phones need no more than this, and it is far less code than a sort.
    phones.push_back(std::move(phone));
    for (auto at = phones.end() - 1; at != phones.begin() && listedBefore(*at, at[-1]); --at) {
        std::swap(*at, at[-1]);
    }
}

}  // namespace vantrel
