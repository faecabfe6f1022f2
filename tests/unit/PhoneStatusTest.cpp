// Which phones are attached, from the USB device nodes that Windows reports,
// and what the status bar and its box say about them.
#include <gtest/gtest.h>

#include <vector>

#include "Fakes.h"
#include "phones/PhoneCount.h"
#include "phones/PhoneStatusText.h"

namespace vantrel {
namespace {

using testing::utf8;

const std::vector<std::u16string> kAdbIds{u"USB\\VID_18D1&PID_4EE7&MI_01",
                                          u"USB\\Class_ff&SubClass_42&Prot_01",
                                          u"USB\\Class_ff&SubClass_42", u"USB\\Class_ff"};
const std::vector<std::u16string> kFastbootIds{u"USB\\VID_18D1&PID_4EE0",
                                               u"USB\\Class_ff&SubClass_42&Prot_03"};

UsbDeviceNode withDriver(std::u16string id, std::vector<std::u16string> ids) {
    return {std::move(id), std::move(ids), true, false, 0, true};
}

UsbDeviceNode withoutInterface(std::u16string id, std::vector<std::u16string> ids) {
    return {std::move(id), std::move(ids), false, false, 0, true};
}

TEST(PhoneCountTest, AnInterfaceMakesAPhoneItsProtocolTellsTheMode) {
    const std::vector nodes{withDriver(u"USB\\A\\1", kAdbIds),
                            withDriver(u"USB\\B\\2", kFastbootIds),
                            // Any other interface of the class counts as ADB.
                            withDriver(u"USB\\C\\3", {u"USB\\VID_1234&PID_0001"})};
    EXPECT_EQ(countPhones(nodes), (PhoneCounts{2, 1, 0}));
}

TEST(PhoneCountTest, ProtocolIdsAreComparedWithoutRegardToCase) {
    const std::vector nodes{withDriver(u"usb\\b\\2", {u"usb\\class_FF&subclass_42&PROT_03"})};
    EXPECT_EQ(countPhones(nodes), (PhoneCounts{0, 1, 0}));
}

TEST(PhoneCountTest, OneNodeListedTwiceIsOnePhone) {
    const std::vector nodes{withoutInterface(u"USB\\A\\1", kAdbIds),
                            withDriver(u"usb\\a\\1", kAdbIds)};
    EXPECT_EQ(countPhones(nodes), (PhoneCounts{1, 0, 0}));
}

TEST(PhoneCountTest, APhoneWithoutInterfaceNeedsAnySignOfAMissingDriver) {
    UsbDeviceNode problem = withoutInterface(u"USB\\A\\1", kAdbIds);
    problem.reportsProblem = true;
    UsbDeviceNode problemCode = withoutInterface(u"USB\\A\\2", kFastbootIds);
    problemCode.problemCode = 28;  // CM_PROB_FAILED_INSTALL
    UsbDeviceNode noDriverKey = withoutInterface(u"USB\\A\\3", kAdbIds);
    noDriverKey.hasDriverKey = false;
    const UsbDeviceNode working = withoutInterface(u"USB\\A\\4", kAdbIds);
    const std::vector nodes{problem, problemCode, noDriverKey, working};
    EXPECT_EQ(countPhones(nodes), (PhoneCounts{0, 0, 3}));
}

TEST(PhoneCountTest, OtherUsbDevicesAreNoPhones) {
    UsbDeviceNode mouse = withoutInterface(u"USB\\VID_046D&PID_C077\\5", {u"USB\\Class_03"});
    mouse.hasDriverKey = false;
    // A composite parent names no Android protocol, whatever its children do.
    UsbDeviceNode composite = withoutInterface(u"USB\\VID_18D1&PID_4EE7\\6", {u"USB\\COMPOSITE"});
    composite.reportsProblem = true;
    const std::vector nodes{mouse, composite};
    EXPECT_EQ(countPhones(nodes), (PhoneCounts{}));
}

struct StatusCase {
    PhoneCounts counts;
    std::u16string_view bar;
};

class PhoneStatusTextTest : public ::testing::TestWithParam<StatusCase> {};

TEST_P(PhoneStatusTextTest, TheBarSaysHowManyPhonesInWhichMode) {
    EXPECT_EQ(utf8(phoneStatusText(GetParam().counts)), utf8(GetParam().bar));
}

INSTANTIATE_TEST_SUITE_P(EveryRow, PhoneStatusTextTest,
                         ::testing::Values(StatusCase{{0, 0, 0}, u"未检测到手机"},
                                           StatusCase{{1, 0, 0}, u"手机已连接（ADB）"},
                                           StatusCase{{12, 0, 0}, u"已连接12台手机（ADB）"},
                                           StatusCase{{0, 1, 0}, u"手机已连接（Fastboot）"},
                                           StatusCase{{0, 2, 0}, u"已连接2台手机（Fastboot）"},
                                           StatusCase{{0, 0, 1}, u"手机已连接，但没有驱动"},
                                           StatusCase{{0, 0, 3}, u"手机已连接，但没有驱动"},
                                           StatusCase{{1, 1, 0}, u"ADB 1台，Fastboot 1台"},
                                           StatusCase{{2, 0, 1}, u"ADB 2台，无驱动 1台"},
                                           StatusCase{{0, 10, 2}, u"Fastboot 10台，无驱动 2台"},
                                           StatusCase{{1, 1, 1},
                                                      u"ADB 1台，Fastboot 1台，无驱动 1台"}));

TEST(PhoneStatusDetailsTest, TheBarsTextABlankLineThenAdviceForEachKindPresent) {
    EXPECT_EQ(
        utf8(statusDetails(phoneReport(PhoneCounts{}), {})),
        utf8(u"未检测到手机\r\n\r\n请用数据线连接手机，并在手机的“开发者选项”里打开“USB调试”。"));
    EXPECT_EQ(
        utf8(statusDetails(phoneReport(PhoneCounts{1, 0, 0}), {})),
        utf8(
            u"手机已连接（ADB）\r\n\r\nADB：第一次连接时，请在手机上允许这台电脑调试，再用“列出ADB设备”查看。"));
    EXPECT_TRUE(
        statusDetails(phoneReport(PhoneCounts{0, 2, 1}), {})
            .starts_with(u"Fastboot 2台，无驱动 1台\r\n\r\nFastboot：请使用“BL模式”里的操作。\r\n"
                         u"无驱动：请安装手机厂商的USB驱动或Google USB驱动"));
    EXPECT_EQ(utf8(statusDetails(failedDetectionReport(), {})), utf8(u"无法检测手机连接"));
}

constexpr std::u16string_view kToolsAdvice =
    u"请把Android SDK Platform-Tools里的adb.exe、fastboot.exe和它们的DLL文件复制到C:\\ADB。";

struct ToolsCase {
    MissingTools missing;
    std::u16string bar;
};

class MissingToolsTest : public ::testing::TestWithParam<ToolsCase> {};

// A missing tool takes the bar's place of the phone text; the box keeps the
// phone text first, then the bar's, and ends with where the tools belong.
TEST_P(MissingToolsTest, TheBarNamesTheMissingToolsAndTheBoxSaysWhereTheyBelong) {
    const PhoneReport adbPhone = phoneReport(PhoneCounts{1, 0, 0});
    EXPECT_EQ(utf8(statusBarText(adbPhone, GetParam().missing)), utf8(GetParam().bar));
    EXPECT_EQ(
        utf8(statusDetails(adbPhone, GetParam().missing)),
        utf8(u"手机已连接（ADB）\r\n" + GetParam().bar +
             u"\r\n\r\nADB：第一次连接时，请在手机上允许这台电脑调试，再用“列出ADB设备”查看。\r\n" +
             std::u16string(kToolsAdvice)));
    EXPECT_EQ(utf8(statusDetails(failedDetectionReport(), GetParam().missing)),
              utf8(u"无法检测手机连接\r\n" + GetParam().bar + u"\r\n\r\n" +
                   std::u16string(kToolsAdvice)));
}

INSTANTIATE_TEST_SUITE_P(EveryRow, MissingToolsTest,
                         ::testing::Values(ToolsCase{{true, true}, u"未找到adb和fastboot"},
                                           ToolsCase{{true, false}, u"未找到adb"},
                                           ToolsCase{{false, true}, u"未找到fastboot"}));

const AttachedPhone kAdbPhone{u"未知型号", PhoneMode::Adb, std::nullopt};

TEST(PhoneStatusBarTest, TheBarShowsEachLookAFailedOneTooAndAClickOpensItsDetails) {
    testing::FormFixture f;
    f.form.clicked(kPhoneStatusBar);
    EXPECT_TRUE(f.view.dialogs.empty()) << "nothing to tell before the first look";

    f.form.phonesSurveyed(
        {std::vector{kAdbPhone, AttachedPhone{u"Mi 11", PhoneMode::WithoutDriver, u"b9"}}, {}});
    EXPECT_EQ(utf8(f.view.phoneStatus), utf8(u"ADB 1台，无驱动 1台"));
    f.form.phonesSurveyed({std::vector<AttachedPhone>{}, {}});
    EXPECT_EQ(utf8(f.view.phoneStatus), utf8(u"未检测到手机"));
    f.form.clicked(kPhoneStatusBar);
    ASSERT_EQ(f.view.dialogs.size(), 1u);
    EXPECT_EQ(f.view.dialogs[0].prompt, statusDetails(phoneReport(PhoneCounts{}), {}));
    EXPECT_EQ(utf8(f.view.dialogs[0].title), utf8(u"设备状态"));
    EXPECT_EQ(f.view.dialogs[0].box, BoxKind::Information);
    EXPECT_TRUE(f.view.statusWrites.empty()) << "Text1 stays as it is";

    f.form.phonesSurveyed({std::nullopt, {}});  // Windows could not be asked
    f.form.clicked(kPhoneStatusBar);
    EXPECT_EQ(utf8(f.view.phoneStatus), utf8(u"无法检测手机连接"));
    ASSERT_EQ(f.view.dialogs.size(), 2u);
    EXPECT_EQ(f.view.dialogs[1].prompt, f.view.phoneStatus);
}

// The tools are looked for with every look at the phones, and a look is asked
// for whenever the window becomes active, which is when a user comes back
// from copying them.
TEST(PhoneStatusBarTest, AnActivationAsksForAnotherLookOnceTheFirstHasCome) {
    testing::FormFixture f;
    f.form.windowActivated();
    EXPECT_EQ(f.view.looksForPhones, 0) << "the first look is on its way";
    f.form.phonesSurveyed({std::vector{kAdbPhone}, {true, true}});
    EXPECT_EQ(utf8(f.view.phoneStatus), utf8(u"未找到adb和fastboot"));
    f.form.windowActivated();
    EXPECT_EQ(f.view.looksForPhones, 1);
    f.form.phonesSurveyed({std::vector{kAdbPhone}, {}});
    EXPECT_EQ(utf8(f.view.phoneStatus), utf8(u"手机已连接（ADB）"));
}

// The box of phones without a driver asks to open the driver page of the
// first of them in its order; Yes opens it, or tells the way by hand.
TEST(PhoneStatusBarTest, APhoneWithoutDriverIsOfferedItsDriverPage) {
    const AttachedPhone adb{u"Pixel 7", PhoneMode::Adb, u"ZY22", u"USB\\VID_18D1&PID_4EE7\\ZY22"};
    const AttachedPhone mi{u"Mi 11", PhoneMode::WithoutDriver, u"b9",
                           u"USB\\VID_18D1&PID_D00D\\B9"};
    const AttachedPhone other{u"未知型号", PhoneMode::WithoutDriver, std::nullopt,
                              u"USB\\VID_2717&PID_FF48&MI_01\\6&1D&0&0001"};
    const struct {
        std::vector<AttachedPhone> phones;
        BoxAnswer answer;
        bool pageOpens;
        std::vector<std::u16string> opened;
        std::vector<BoxKind> boxes;
    } rows[] = {
        {{adb}, BoxAnswer::Ok, true, {}, {BoxKind::Information}},
        {{adb, mi, other}, BoxAnswer::Yes, true, {mi.instanceId}, {BoxKind::Question}},
        {{other, mi}, BoxAnswer::Yes, true, {other.instanceId}, {BoxKind::Question}},
        {{mi}, BoxAnswer::No, true, {}, {BoxKind::Question}},
        {{mi}, BoxAnswer::Yes, false, {mi.instanceId}, {BoxKind::Question, BoxKind::Information}},
    };
    for (const auto& row : rows) {
        testing::FormFixture f;
        f.view.boxAnswers = {row.answer};
        f.view.devicePropertiesOpen = row.pageOpens;
        f.form.phonesSurveyed({row.phones, {}});
        f.form.clicked(kPhoneStatusBar);
        std::vector<BoxKind> boxes;
        for (const testing::Dialog& dialog : f.view.dialogs) {
            boxes.push_back(dialog.box);
        }
        EXPECT_EQ(boxes, row.boxes);
        EXPECT_EQ(
            f.view.dialogs[0].prompt.ends_with(u"\r\n\r\n是否打开这台手机的设备属性，以安装驱动？"),
            row.boxes[0] == BoxKind::Question);
        EXPECT_EQ(f.view.devicePropertiesShown, row.opened);
        EXPECT_EQ(f.view.dialogs.back().title, row.boxes.size() == 2 ? u"提示" : u"设备状态");
    }
}

}  // namespace
}  // namespace vantrel
