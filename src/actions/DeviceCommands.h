#pragma once

#include <span>
#include <string>
#include <string_view>

#include "actions/Session.h"

namespace vantrel {

// adb and fastboot address the device named by this variable when no -s is given.
inline constexpr std::u16string_view kSerialVariable = u"ANDROID_SERIAL";

// The device prompt's text and default answer. Each attached phone in ADB or
// Fastboot mode that has a serial adds a line "<serial>：<name>（<mode>）".
// The default is the device chosen now, else the serial of the only such
// phone, else nothing.
struct DevicePrompt {
    std::u16string text;
    std::u16string defaultAnswer;
};
DevicePrompt devicePrompt(std::span<const AttachedPhone> phones, std::u16string_view chosenDevice);

// "指定设备": asks for a serial and, once "set ANDROID_SERIAL=<serial>" was typed,
// gives it to every console opened later and shows it in the caption.
void chooseDevice(Session& session);
// "取消指定设备": types "set ANDROID_SERIAL=" and forgets the device again.
void clearDevice(Session& session);
// "无线配对": asks for the phone's pairing address and code and types "adb pair".
void pairWirelessly(Session& session);

}  // namespace vantrel
