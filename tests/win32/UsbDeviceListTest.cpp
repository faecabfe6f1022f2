// The USB devices that SetupAPI lists, with fake devices that the Wine
// prefix's registry holds for the length of a test.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "phones/PhoneCount.h"
#include "support/FakeUsbDevices.h"
#include "win32/common/WideText.h"
#include "win32/platform/DeviceProperties.h"
#include "win32/platform/UsbDeviceList.h"

namespace vantrel::win32 {
namespace {

using fakeusb::FakeDeviceKind;
using fakeusb::FakeUsbDevice;

class UsbDeviceListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fakeusb::removeLeftoverFakeDevices();
        before_ = countPhones(listed());
    }

    static std::vector<UsbDeviceNode> listed() {
        auto nodes = UsbDeviceQuery().list();
        EXPECT_TRUE(nodes);
        return nodes.value_or(std::vector<UsbDeviceNode>{});
    }

    // The one node of that id, compared without regard to case; nothing when
    // it is not listed exactly once.
    static std::optional<UsbDeviceNode> onlyNode(const std::vector<UsbDeviceNode>& nodes,
                                                 const FakeUsbDevice& device) {
        std::optional<UsbDeviceNode> found;
        for (const UsbDeviceNode& node : nodes) {
            if (CompareStringOrdinal(wide(node.instanceId).c_str(), -1, device.instanceId().c_str(),
                                     -1, TRUE) == CSTR_EQUAL) {
                if (found) {
                    return std::nullopt;
                }
                found = node;
            }
        }
        return found;
    }

    PhoneCounts added(const PhoneCounts& counts) const {
        return {before_.adb + counts.adb, before_.fastboot + counts.fastboot,
                before_.withoutDriver + counts.withoutDriver};
    }

    PhoneCounts before_;
};

bool hasId(const UsbDeviceNode& node, std::u16string_view id) {
    return std::ranges::find(node.ids, id) != node.ids.end();
}

TEST_F(UsbDeviceListTest, ListsEachAttachedDeviceOnceWithItsFactsAndForgetsItOnceGone) {
    {
        const FakeUsbDevice adb(FakeDeviceKind::AdbPhone, L"A1");
        const FakeUsbDevice fastboot(FakeDeviceKind::FastbootPhone, L"F1");
        const FakeUsbDevice noDriverKey(FakeDeviceKind::PhoneWithoutDriverKey, L"N1");
        const FakeUsbDevice problemCode(FakeDeviceKind::PhoneWithProblemCode, L"P1");
        const FakeUsbDevice failedInstall(FakeDeviceKind::PhoneWithFailedInstall, L"I1");
        const FakeUsbDevice stick(FakeDeviceKind::OtherDevice, L"S1");
        const std::vector<UsbDeviceNode> nodes = listed();

        const auto adbNode = onlyNode(nodes, adb);
        ASSERT_TRUE(adbNode);
        EXPECT_TRUE(adbNode->hasAndroidInterface);
        EXPECT_TRUE(adbNode->hasDriverKey);
        EXPECT_FALSE(adbNode->reportsProblem);
        EXPECT_EQ(adbNode->problemCode, 0u);
        // Hardware IDs first, then compatible IDs, each whole: lists longer than
        // the listing's first guess of a buffer.
        const std::vector<std::u16string> adbIds{
            u"USB\\VID_18D1&PID_4EE7&REV_0440&MI_01", u"USB\\VID_18D1&PID_4EE7&MI_01",
            u"USB\\Class_ff&SubClass_42&Prot_01", u"USB\\Class_ff&SubClass_42", u"USB\\Class_ff"};
        EXPECT_EQ(adbNode->ids, adbIds);

        const auto fastbootNode = onlyNode(nodes, fastboot);
        ASSERT_TRUE(fastbootNode);
        EXPECT_TRUE(fastbootNode->hasAndroidInterface);
        EXPECT_TRUE(hasId(*fastbootNode, u"USB\\Class_ff&SubClass_42&Prot_03"));

        const auto noDriverKeyNode = onlyNode(nodes, noDriverKey);
        ASSERT_TRUE(noDriverKeyNode);
        EXPECT_FALSE(noDriverKeyNode->hasAndroidInterface);
        EXPECT_FALSE(noDriverKeyNode->hasDriverKey);

        const auto problemCodeNode = onlyNode(nodes, problemCode);
        ASSERT_TRUE(problemCodeNode);
        EXPECT_TRUE(problemCodeNode->hasDriverKey);
        EXPECT_EQ(problemCodeNode->problemCode, 28u);

        const auto failedInstallNode = onlyNode(nodes, failedInstall);
        ASSERT_TRUE(failedInstallNode);
        EXPECT_TRUE(failedInstallNode->hasDriverKey);
        EXPECT_TRUE(failedInstallNode->reportsProblem);

        const auto stickNode = onlyNode(nodes, stick);
        ASSERT_TRUE(stickNode);
        EXPECT_FALSE(stickNode->hasAndroidInterface);
        EXPECT_FALSE(stickNode->hasDriverKey);

        // The USB stick without a driver is no phone.
        EXPECT_EQ(countPhones(nodes), added({1, 1, 3}));
    }
    const std::vector<UsbDeviceNode> nodes = listed();
    EXPECT_EQ(countPhones(nodes), added({}));
    EXPECT_TRUE(std::ranges::none_of(nodes, [](const UsbDeviceNode& node) {
        return node.instanceId.find(u"VANTRELFAKE") != std::u16string::npos;
    }));
}

TEST(SplitMultiStringTest, TakesTheStringsUpToTheListsEndOrTheDataEnd) {
    using namespace std::string_view_literals;
    const std::vector<std::u16string> two{u"USB\\A", u"USB\\B"};
    EXPECT_EQ(splitMultiString(L"USB\\A\0USB\\B\0\0"sv), two);
    // The zeros that end a REG_MULTI_SZ may be missing, one or both.
    EXPECT_EQ(splitMultiString(L"USB\\A\0USB\\B\0"sv), two);
    EXPECT_EQ(splitMultiString(L"USB\\A\0USB\\B"sv), two);
    // Nothing after the empty string that ends the list counts.
    EXPECT_EQ(splitMultiString(L"USB\\A\0USB\\B\0\0stale\0"sv), two);
    EXPECT_TRUE(splitMultiString(L"\0USB\\A\0"sv).empty());
    EXPECT_TRUE(splitMultiString(L""sv).empty());
}

}  // namespace
}  // namespace vantrel::win32
