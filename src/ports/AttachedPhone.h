#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

// What the PC can do with an attached phone.
enum class PhoneMode { Adb, Fastboot, WithoutDriver };

// The mode as the status box and the device prompt name it.
constexpr std::u16string_view phoneModeName(PhoneMode mode) {
    switch (mode) {
        case PhoneMode::Adb:
            return u"ADB";
        case PhoneMode::Fastboot:
            return u"Fastboot";
        case PhoneMode::WithoutDriver:
            break;
    }
    return u"无驱动";
}

// One attached phone as the window names it.
struct AttachedPhone {
    std::u16string name;  // its product string, or "未知型号"
    PhoneMode mode = PhoneMode::Adb;
    // Exactly as the phone reports it, which adb and fastboot match by case;
    // nothing when it could not be read or is no serial that a console may take.
    std::optional<std::u16string> serial;
    // The device node's instance ID exactly as SetupAPI lists it: the node
    // whose driver Device Manager installs.
    std::u16string instanceId{};

    bool operator==(const AttachedPhone&) const = default;
};

}  // namespace vantrel
