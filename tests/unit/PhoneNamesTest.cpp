// Each phone by its name and the serial that it really reports: the rule that
// takes the serial from the descriptor that the phone's hub returns, and the
// lines that the status box and the device prompt show.
#include <gtest/gtest.h>

#include "Fakes.h"
#include "actions/DeviceCommands.h"
#include "phones/AttachedPhones.h"
#include "phones/PhoneStatusText.h"
#include "phones/UsbSerial.h"

namespace vantrel {
namespace {

using testing::utf8;

// A whole string descriptor of the text (of ASCII), with these bytes after it.
std::vector<std::uint8_t> descriptor(std::u16string_view text,
                                     std::vector<std::uint8_t> after = {}) {
    std::vector<std::uint8_t> bytes{static_cast<std::uint8_t>(2 + 2 * text.size()), 3};
    for (const char16_t c : text) {
        bytes.insert(bytes.end(), {static_cast<std::uint8_t>(c), 0});
    }
    bytes.insert(bytes.end(), after.begin(), after.end());
    return bytes;
}

std::vector<std::uint8_t> withByte(std::vector<std::uint8_t> bytes, std::size_t at,
                                   std::uint8_t value) {
    bytes[at] = value;
    return bytes;
}

TEST(UsbSerialTest, OnlyAWholeDescriptorOfTheInstanceIdsSerialGivesItInItsOwnCase) {
    constexpr std::u16string_view kDevice = u"USB\\VID_18D1&PID_4EE7\\A1B2C3D4";
    const struct {
        const char* what;
        std::vector<std::uint8_t> bytes;
        std::u16string_view device;
        std::optional<std::u16string> serial;
    } cases[] = {
        {"valid", descriptor(u"a1b2c3d4"), kDevice, u"a1b2c3d4"},
        {"more bytes returned", descriptor(u"a1B2c3d4", {0, 0}), kDevice, u"a1B2c3d4"},
        {"wrong type", withByte(descriptor(u"a1b2c3d4"), 1, 2), kDevice, std::nullopt},
        {"odd length", withByte(descriptor(u"a1b2c3d4", {0}), 0, 19), kDevice, std::nullopt},
        {"too long", withByte(descriptor(u"a1b2c3d4"), 0, 20), kDevice, std::nullopt},
        {"no text", descriptor(u""), kDevice, std::nullopt},
        {"no match", descriptor(u"a1b2c3d5"), kDevice, std::nullopt},
        {"made-up segment", descriptor(u"6&1a2b&0&2"), u"USB\\VID_18D1&PID_4EE7\\6&1A2B&0&2",
         std::nullopt},
        {"bad character", descriptor(u"a1 b2"), u"USB\\VID_18D1&PID_4EE7\\A1 B2", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(serialFromDescriptor(c.bytes, c.device), c.serial) << c.what;
    }
}

struct Listed {
    PhoneMode mode;
    UsbDeviceFacts usbDevice;
};

// A phone whose USB device reports that product string and serial.
Listed phone(PhoneMode mode, std::optional<std::u16string> product,
             std::u16string_view serial = u"") {
    return {mode,
            {u"USB\\VID_18D1&PID_4EE7\\" + std::u16string(serial), std::move(product),
             descriptor(serial)}};
}

// The box names every phone after its first line, before the blank line and
// the advice; the prompt offers those that adb or fastboot can address, and
// the only one of them as its default unless a device is chosen.
TEST(PhoneNamesTest, TheBoxNamesEachPhoneAndThePromptOffersTheAddressableOnes) {
    const Listed pixel = phone(PhoneMode::Fastboot, u"Pixel 7", u"ZY22");
    const Listed mi = phone(PhoneMode::WithoutDriver, u" Mi 11\u3000", u"b9");
    const struct {
        std::vector<Listed> listed;
        std::u16string_view chosen;
        std::u16string_view boxStart;
        std::u16string_view promptLines;
        std::u16string_view defaultAnswer;
    } cases[] = {
        {{phone(PhoneMode::Adb, u"Redmi Note 12", u"a1b2c3d4")},
         u"emulator-5554",
         u"手机已连接（ADB）\r\nRedmi Note 12：ADB，序列号a1b2c3d4\r\n\r\n",
         u"\r\na1b2c3d4：Redmi Note 12（ADB）",
         u"emulator-5554"},
        {{phone(PhoneMode::Adb, std::nullopt), mi, pixel},
         u"",
         u"ADB 1台，Fastboot 1台，无驱动 1台\r\nMi 11：无驱动，序列号b9\r\n"
         u"Pixel 7：Fastboot，序列号ZY22\r\n未知型号：ADB\r\n\r\n",
         u"\r\nZY22：Pixel 7（Fastboot）",
         u"ZY22"},
        {{pixel, phone(PhoneMode::Adb, u"  "), mi, phone(PhoneMode::Adb, u"OnePlus", u"Aa1")},
         u"",
         u"ADB 2台，Fastboot 1台，无驱动 1台\r\nOnePlus：ADB，序列号Aa1\r\nMi 11：无驱动，序列号b9\r\n"
         u"Pixel 7：Fastboot，序列号ZY22\r\n未知型号：ADB\r\n\r\n",
         u"\r\nAa1：OnePlus（ADB）\r\nZY22：Pixel 7（Fastboot）",
         u""},
    };
    constexpr std::u16string_view kPrompt =
        u"请输入要使用的设备序列号（“列出ADB设备”和“寻找Fastboot”会显示序列号）。之后的adb和fastboot命令只对这台设备执行。";
    for (const auto& c : cases) {
        std::vector<AttachedPhone> phones;
        for (const Listed& listed : c.listed) {
            addInOrder(phones, attachedPhone({u"", listed.mode}, listed.usbDevice));
        }
        const std::u16string box = statusDetails(phoneReport(phones), {});
        EXPECT_EQ(utf8(box.substr(0, c.boxStart.size())), utf8(c.boxStart));
        const DevicePrompt prompt = devicePrompt(phones, c.chosen);
        EXPECT_EQ(utf8(prompt.text), utf8(std::u16string(kPrompt) + std::u16string(c.promptLines)));
        EXPECT_EQ(utf8(prompt.defaultAnswer), utf8(c.defaultAnswer));
    }
}

}  // namespace
}  // namespace vantrel
