#include "actions/DeviceCommands.h"

#include <initializer_list>
#include <string>

#include "actions/BoxTitles.h"
#include "actions/DeviceAnswers.h"
#include "actions/TypeLine.h"

namespace vantrel {
namespace {

constexpr std::u16string_view kSerialPrompt =
    u"请输入要使用的设备序列号（“列出ADB设备”和“寻找Fastboot”会显示序列号）。之后的adb和fastboot命令只对这台设备执行。";
constexpr std::u16string_view kSetSerialLine = u"set ANDROID_SERIAL=";
constexpr std::u16string_view kDeviceChosenStatus = u"已指定设备";
constexpr std::u16string_view kDeviceClearedStatus = u"已取消指定设备";
constexpr std::u16string_view kBadSerialStatus = u"设备序列号只能包含字母、数字和.:_-";
constexpr std::u16string_view kCaptionSeparator = u" - ";

constexpr std::u16string_view kPairingAddressPrompt =
    u"请输入手机“无线调试”→“使用配对码配对设备”里显示的IP地址和端口。";
constexpr std::u16string_view kPairingAddressDefault = u"192.168.1.200:37000";
constexpr std::u16string_view kPairingCodePrompt = u"请输入手机上显示的六位配对码。";
constexpr std::u16string_view kPairLine = u"adb pair ";
constexpr std::u16string_view kPairedStatus = u"配对后请用“无线调试”连接";
constexpr std::u16string_view kBadPairingStatus = u"地址或配对码不正确";

std::u16string askTrimmed(Session& session, std::u16string_view prompt,
                          std::u16string_view defaultText) {
    return withoutSurroundingBlanks(session.view.inputPrompt(prompt, kPromptTitle, defaultText));
}

void showStatus(Session& session, std::u16string_view status) {
    session.view.setStatusText(std::u16string(status));
}

}  // namespace

DevicePrompt devicePrompt(std::span<const AttachedPhone> phones, std::u16string_view chosenDevice) {
    DevicePrompt prompt{std::u16string(kSerialPrompt), std::u16string(chosenDevice)};
    std::size_t offered = 0;
    std::u16string_view lastOffered;
    for (const AttachedPhone& phone : phones) {
        if (!phone.serial || phone.mode == PhoneMode::WithoutDriver) {
            continue;
        }
        for (const std::u16string_view part :
             std::initializer_list<std::u16string_view>{u"\r\n", *phone.serial, u"：", phone.name,
                                                        u"（", phoneModeName(phone.mode), u"）"}) {
            prompt.text += part;
        }
        ++offered;
        lastOffered = *phone.serial;
    }
    if (prompt.defaultAnswer.empty() && offered == 1) {
        prompt.defaultAnswer = lastOffered;
    }
    return prompt;
}

void chooseDevice(Session& session) {
    const DevicePrompt prompt = devicePrompt(session.attachedPhones, session.chosenDevice);
    const std::u16string serial = askTrimmed(session, prompt.text, prompt.defaultAnswer);
    if (serial.empty()) {
        return;
    }
    if (!isDeviceSerial(serial)) {
        showStatus(session, kBadSerialStatus);
        return;
    }
    // The choice counts only once the console that the user sees has it too.
    if (!typeLine(session, std::u16string(kSetSerialLine) + serial)) {
        return;
    }
    showStatus(session, std::u16string(kDeviceChosenStatus) + serial);
    session.platform.setEnvironmentVariable(kSerialVariable, serial);
    session.view.setCaption(std::u16string(kWindowCaption) + std::u16string(kCaptionSeparator) +
                            serial);
    session.chosenDevice = serial;
}

void clearDevice(Session& session) {
    // cmd takes "set NAME=" as removing the variable.
    if (!typeLine(session, kSetSerialLine)) {
        return;
    }
    showStatus(session, kDeviceClearedStatus);
    session.platform.setEnvironmentVariable(kSerialVariable, std::nullopt);
    session.view.setCaption(std::u16string(kWindowCaption));
    session.chosenDevice.clear();
}

void pairWirelessly(Session& session) {
    const std::u16string address =
        askTrimmed(session, kPairingAddressPrompt, kPairingAddressDefault);
    if (address.empty()) {
        return;
    }
    if (!isPairingAddress(address)) {
        showStatus(session, kBadPairingStatus);
        return;
    }
    const std::u16string code = askTrimmed(session, kPairingCodePrompt, u"");
    if (code.empty()) {
        return;
    }
    if (!isPairingCode(code)) {
        showStatus(session, kBadPairingStatus);
        return;
    }
    typeLineThenShow(session, std::u16string(kPairLine) + address + u" " + code, kPairedStatus);
}

}  // namespace vantrel
