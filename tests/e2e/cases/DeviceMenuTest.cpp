// The menu "设备": choosing the device that the typed adb and fastboot lines
// address, forgetting it again, and pairing a phone over Wi-Fi.
#include <string>

#include "driver/CrossProcess.h"
#include "driver/Units.h"
#include "driver/VantrelTest.h"

namespace e2e {
namespace {

using namespace vantrel;

constexpr wchar_t kSerialPrompt[] =
    L"请输入要使用的设备序列号（“列出ADB设备”和“寻找Fastboot”会显示序列号）。之后的adb和fastboot命令只对这台设备执行。";
constexpr wchar_t kBadSerial[] = L"设备序列号只能包含字母、数字和.:_-";
constexpr wchar_t kAddressPrompt[] =
    L"请输入手机“无线调试”→“使用配对码配对设备”里显示的IP地址和端口。";
constexpr wchar_t kCodePrompt[] = L"请输入手机上显示的六位配对码。";
constexpr wchar_t kBadPairing[] = L"地址或配对码不正确";

class DeviceMenuTest : public VantrelTest {
  protected:
    std::wstring caption() { return windowText(window().handle()); }

    // Chooses 指定设备 and answers its box; the box must offer this default.
    void chooseDevice(std::wstring_view answer, std::wstring_view offered = L"") {
        chooseMenuItem(kChooseDeviceItem);
        EXPECT_EQ(readInputBox(waitForDialog()),
                  (InputBoxTexts{L"提醒", kSerialPrompt, std::wstring(offered)}));
        answerInputBox(answer);
    }
};

TEST_F(DeviceMenuTest, AValidSerialIsTypedShownInText1AndInTheCaption) {
    chooseDevice(L"  emulator-5554 ");
    EXPECT_EQ(typedText(), enteredLine(L"set ANDROID_SERIAL=emulator-5554"));
    EXPECT_EQ(statusText(), L"已指定设备emulator-5554");
    EXPECT_EQ(caption(), L"Vantrel - emulator-5554");

    console().forget();
    chooseDevice(L"192.168.1.200:5555", L"emulator-5554");
    EXPECT_EQ(typedText(), enteredLine(L"set ANDROID_SERIAL=192.168.1.200:5555"));
    EXPECT_EQ(caption(), L"Vantrel - 192.168.1.200:5555");
}

TEST_F(DeviceMenuTest, AnythingButLettersDigitsAndDotColonUnderscoreDashIsRefused) {
    for (const std::wstring answer : {L"a&calc", L"two words", L"ab\"c", L"设备"}) {
        SCOPED_TRACE(utf8(answer));
        window().typeText(kStatusBox, kEarlierStatus);
        chooseDevice(answer);
        EXPECT_EQ(typedText(), L"");
        EXPECT_EQ(statusText(), kBadSerial);
        EXPECT_EQ(caption(), L"Vantrel");
    }
}

TEST_F(DeviceMenuTest, CancelChangesNothing) {
    window().typeText(kStatusBox, kEarlierStatus);
    chooseMenuItem(kChooseDeviceItem);
    cancelInputBox();
    EXPECT_EQ(typedText(), L"");
    EXPECT_EQ(statusText(), kEarlierStatus);
    EXPECT_EQ(caption(), L"Vantrel");
}

TEST_F(DeviceMenuTest, ClearingTypesTheEmptySetAndRestoresTheCaption) {
    chooseDevice(L"R58M12345");
    console().forget();
    chooseMenuItem(kClearDeviceItem);
    EXPECT_FALSE(dialogOpen());
    EXPECT_EQ(typedText(), enteredLine(L"set ANDROID_SERIAL="));
    EXPECT_EQ(statusText(), L"已取消指定设备");
    EXPECT_EQ(caption(), L"Vantrel");
}

TEST_F(DeviceMenuTest, WithoutAConsoleNothingIsChosenOrCleared) {
    closeAllConsoles();
    chooseDevice(L"R58M12345");
    EXPECT_EQ(statusText(), L"未找到cmd窗口");
    EXPECT_EQ(caption(), L"Vantrel");
    chooseMenuItem(kClearDeviceItem);
    EXPECT_EQ(statusText(), L"未找到cmd窗口");
}

TEST_F(DeviceMenuTest, PairingWithAValidAddressAndCodeTypesAdbPair) {
    chooseMenuItem(kPairWirelesslyItem);
    EXPECT_EQ(readInputBox(waitForDialog()),
              (InputBoxTexts{L"提醒", kAddressPrompt, L"192.168.1.200:37000"}));
    answerInputBox(L"192.168.1.7:41234 ");
    EXPECT_EQ(readInputBox(waitForDialog()), (InputBoxTexts{L"提醒", kCodePrompt, L""}));
    answerInputBox(L" 482913");
    EXPECT_EQ(typedText(), enteredLine(L"adb pair 192.168.1.7:41234 482913"));
    EXPECT_EQ(statusText(), L"配对后请用“无线调试”连接");
}

TEST_F(DeviceMenuTest, PairingRefusesABadAddressAtOnceAndABadCodeAfterIt) {
    chooseMenuItem(kPairWirelesslyItem);
    answerInputBox(L"192.168.1.7:41234&calc");
    EXPECT_FALSE(dialogOpen()) << "no code is asked after a bad address";
    EXPECT_EQ(statusText(), kBadPairing);
    for (const std::wstring code : {L"48291", L"48291a"}) {
        SCOPED_TRACE(utf8(code));
        window().typeText(kStatusBox, kEarlierStatus);
        chooseMenuItem(kPairWirelesslyItem);
        acceptInputBoxDefault();
        answerInputBox(code);
        EXPECT_EQ(statusText(), kBadPairing);
    }
    EXPECT_EQ(typedText(), L"");
}

TEST_F(DeviceMenuTest, CancelInEitherPairingBoxTypesNothing) {
    window().typeText(kStatusBox, kEarlierStatus);
    chooseMenuItem(kPairWirelesslyItem);
    cancelInputBox();
    EXPECT_FALSE(dialogOpen());
    chooseMenuItem(kPairWirelesslyItem);
    acceptInputBoxDefault();
    cancelInputBox();
    EXPECT_EQ(typedText(), L"");
    EXPECT_EQ(statusText(), kEarlierStatus);
}

}  // namespace
}  // namespace e2e
