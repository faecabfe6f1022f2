// The status bar under the controls says whether a phone is attached and in
// which mode, as Windows lists the USB devices: fake device nodes stand in
// for phones, and each change is announced as Windows announces it. A click
// on the bar tells more. The program never starts anything but consoles.
#include <windows.h>

#include <tlhelp32.h>

#include <list>
#include <optional>
#include <string>

#include "devmgr/DevmgrRecord.h"
#include "driver/DriverOptions.h"
#include "driver/MessagePump.h"
#include "driver/OtherWindow.h"
#include "driver/ProcessEnvironment.h"
#include "driver/Processes.h"
#include "driver/Units.h"
#include "driver/VantrelTest.h"
#include "driver/WorkFolder.h"
#include "support/FakeUsbDevices.h"
#include "win32/common/UniqueHandles.h"

namespace e2e {
namespace {

using namespace vantrel;
using fakeusb::FakeDeviceKind;
using fakeusb::FakeUsbDevice;
using vantrel::win32::UniqueHandle;

constexpr wchar_t kNoPhoneAdvice[] = L"请用数据线连接手机，并在手机的“开发者选项”里打开“USB调试”。";
constexpr wchar_t kAdbAdvice[] =
    L"ADB：第一次连接时，请在手机上允许这台电脑调试，再用“列出ADB设备”查看。";

class StatusBarTest : public VantrelTest {
  protected:
    void SetUp() override {
        fakeusb::removeLeftoverFakeDevices();
        tools_.emplace();
        VantrelTest::SetUp();
        // The system folder where the program's Windows looks for devmgr.dll
        // (syswow64 for a 32-bit one), without one that a run left there.
        wchar_t folder[MAX_PATH] = {};
        (native() ? GetSystemDirectoryW : GetSystemWow64DirectoryW)(folder, MAX_PATH);
        devmgrPath_ = std::wstring(folder) + L"\\devmgr.dll";
        DeleteFileW(devmgrPath_.c_str());
    }

    void TearDown() override {
        VantrelTest::TearDown();
        // Only now: the program kept the stand-in mapped, and so undeletable.
        DeleteFileW(devmgrPath_.c_str());
        phones_.clear();
        tools_.reset();
    }

    WorkFolderTools& tools() { return *tools_; }
    bool native() { return sameBitnessAsDriver(window().processId()); }
    // The stand-in devmgr.dll of the program's bitness, where it looks for one.
    void placeStandInDevmgr() {
        const std::wstring built =
            native() ? besideDriver(L"devmgr.dll") : probeFolder32() + L"\\devmgr.dll";
        ASSERT_TRUE(CopyFileW(built.c_str(), devmgrPath_.c_str(), FALSE));
    }

    // Plugs a phone in, or pulls one out, as Windows tells every window.
    const FakeUsbDevice& plugIn(FakeDeviceKind kind) {
        phones_.emplace_back(kind, std::to_wstring(++serial_));
        fakeusb::broadcastDeviceChange();
        return phones_.back().device;
    }
    void pullOut(FakeDeviceKind kind) {
        phones_.remove_if([kind](const Phone& phone) { return phone.kind == kind; });
        fakeusb::broadcastDeviceChange();
    }

    // Waits for the bar to say this; the check fails with what it says instead.
    void expectBar(const std::wstring& text) {
        pumpUntil([&] { return window().phoneStatus() == text; });
        EXPECT_EQ(window().phoneStatus(), text);
    }

    // The box of a click on the bar: owned by the window, OK alone, the
    // information icon; closed with OK.
    void expectDetails(const std::wstring& text) {
        window().clickStatusBar();
        expectMessageBox(L"设备状态", text, {IDOK}, StandardIcon::Information).press(IDOK);
        window().settle();
    }

  private:
    struct Phone {
        Phone(FakeDeviceKind deviceKind, const std::wstring& serial)
            : kind(deviceKind), device(deviceKind, serial) {}
        FakeDeviceKind kind;
        FakeUsbDevice device;
    };

    std::optional<WorkFolderTools> tools_;
    std::wstring devmgrPath_;
    std::list<Phone> phones_;
    int serial_ = 0;
};

TEST_F(StatusBarTest, EveryMixOfPhonesIsToldAsTheyComeAndGo) {
    expectBar(L"未检测到手机");
    plugIn(FakeDeviceKind::AdbPhone);
    expectBar(L"手机已连接（ADB）");
    plugIn(FakeDeviceKind::AdbPhone);
    expectBar(L"已连接2台手机（ADB）");
    pullOut(FakeDeviceKind::AdbPhone);
    plugIn(FakeDeviceKind::FastbootPhone);
    expectBar(L"手机已连接（Fastboot）");
    plugIn(FakeDeviceKind::FastbootPhone);
    expectBar(L"已连接2台手机（Fastboot）");
    pullOut(FakeDeviceKind::FastbootPhone);
    plugIn(FakeDeviceKind::PhoneWithoutDriverKey);
    expectBar(L"手机已连接，但没有驱动");
    plugIn(FakeDeviceKind::PhoneWithProblemCode);
    plugIn(FakeDeviceKind::PhoneWithFailedInstall);
    plugIn(FakeDeviceKind::OtherDevice);
    expectBar(L"手机已连接，但没有驱动");
    plugIn(FakeDeviceKind::AdbPhone);
    expectBar(L"ADB 1台，无驱动 3台");
    plugIn(FakeDeviceKind::FastbootPhone);
    expectBar(L"ADB 1台，Fastboot 1台，无驱动 3台");
    pullOut(FakeDeviceKind::PhoneWithoutDriverKey);
    pullOut(FakeDeviceKind::PhoneWithProblemCode);
    pullOut(FakeDeviceKind::PhoneWithFailedInstall);
    expectBar(L"ADB 1台，Fastboot 1台");
    pullOut(FakeDeviceKind::AdbPhone);
    pullOut(FakeDeviceKind::FastbootPhone);
    expectBar(L"未检测到手机");
}

TEST_F(StatusBarTest, AClickOnTheBarAdvisesForEachKindOfPhone) {
    expectBar(L"未检测到手机");
    expectDetails(std::wstring(L"未检测到手机\r\n\r\n") + kNoPhoneAdvice);
    plugIn(FakeDeviceKind::AdbPhone);
    expectBar(L"手机已连接（ADB）");
    // Without a USB device of its own that Windows names, a phone is "未知型号".
    expectDetails(std::wstring(L"手机已连接（ADB）\r\n未知型号：ADB\r\n\r\n") + kAdbAdvice);
    EXPECT_EQ(statusText(), L"") << "Text1 stays as it was";
}

// Windows keeps a phone's serial in capitals; its hub tells the serial as the
// phone reports it, here in small letters, which is what adb matches.
TEST_F(StatusBarTest, APhoneIsNamedWithTheSerialItReportsAndOfferedByChooseDevice) {
    plugIn(FakeDeviceKind::AdbPhoneOnHub);
    expectBar(L"手机已连接（ADB）");
    expectDetails(
        std::wstring(L"手机已连接（ADB）\r\nRedmi Note 12：ADB，序列号vantrelfake1\r\n\r\n") +
        kAdbAdvice);
    chooseMenuItem(kChooseDeviceItem);
    acceptInputBoxDefault();
    EXPECT_EQ(typedText(), enteredLine(L"set ANDROID_SERIAL=vantrelfake1"));
}

// Yes to the box of a phone without a driver opens its Properties dialog
// through devmgr.dll, which Wine lacks: the way by hand is told until the
// stand-in is in the system folder, which records the command line.
TEST_F(StatusBarTest, APhoneWithoutDriverHasItsDriverPageOpenedByYes) {
    const std::wstring id = plugIn(FakeDeviceKind::PhoneWithoutDriverKey).instanceId();
    expectBar(L"手机已连接，但没有驱动");
    const auto answerYes = [&] {
        window().clickStatusBar();
        ProgramDialog box = waitForDialog();
        EXPECT_EQ(box.defaultButton(), IDYES);
        box.press(IDYES);
    };
    answerYes();
    ProgramDialog byHand = waitForDialog();
    EXPECT_EQ(byHand.title(), L"提示");
    byHand.press(IDOK);
    placeStandInDevmgr();
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kDevmgrRecordKey, kDevmgrRecordValue);
    answerYes();
    window().settle();
    wchar_t recorded[512] = {};
    DWORD size = sizeof recorded;
    RegGetValueW(HKEY_CURRENT_USER, kDevmgrRecordKey, kDevmgrRecordValue, RRF_RT_REG_SZ, nullptr,
                 recorded, &size);
    EXPECT_EQ(std::wstring(recorded), L"/DeviceID \"" + id + L"\"");
}

// The tools are looked for at every count, and whenever the window becomes
// active: the user comes back to it after copying them.
TEST_F(StatusBarTest, AMissingAdbIsToldUntilItIsPlacedAndTheWindowActivated) {
    expectBar(L"未检测到手机");
    tools().removeAdb();
    plugIn(FakeDeviceKind::AdbPhone);
    expectBar(L"未找到adb");
    OtherWindow other;
    other.activate();
    tools().placeAdb();
    window().activate();
    expectBar(L"手机已连接（ADB）");
}

// Every process that the program started, as Windows records each one's parent.
std::vector<std::wstring> childrenOf(DWORD parent) {
    std::vector<std::wstring> names;
    const UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot.get(), &entry); more;
         more = Process32NextW(snapshot.get(), &entry)) {
        if (entry.th32ParentProcessID == parent) {
            names.emplace_back(entry.szExeFile);
        }
    }
    return names;
}

TEST_F(StatusBarTest, ThePhonesAreCountedWithoutStartingAnyProgramButConsoles) {
    const NewCommandInterpreters consoles;
    plugIn(FakeDeviceKind::AdbPhone);
    expectBar(L"手机已连接（ADB）");
    window().click(kOpenConsoleButton);
    pumpUntil([&] { return !consoles.started().empty(); });
    startNormalItem(L"列出ADB设备");
    chooseMenuItem(kAdbHelpItem);
    const std::vector<std::wstring> started = childrenOf(window().processId());
    EXPECT_FALSE(started.empty()) << "the console the program opened";
    for (const std::wstring& name : started) {
        EXPECT_TRUE(equalIgnoringCase(name, L"cmd.exe") || equalIgnoringCase(name, L"conhost.exe"))
            << utf8(name);
    }
}

}  // namespace
}  // namespace e2e
