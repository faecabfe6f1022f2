// Start in normal mode: the fixed lines, the three prompted lines and the
// texts that match nothing.
#include <array>
#include <string>

#include "driver/Units.h"
#include "driver/VantrelTest.h"

namespace e2e {
namespace {

using namespace vantrel;

struct FixedItem {
    const wchar_t* item;
    const wchar_t* line;
};

constexpr std::array kFixedItems{
    FixedItem{L"手机重启", L"adb shell reboot"},
    FixedItem{L"手机关机", L"adb shell reboot -p"},
    FixedItem{L"进入Shell", L"adb shell"},
    FixedItem{L"列出ADB设备", L"adb devices"},
    FixedItem{L"重启进入Rec", L"adb reboot recovery"},
    FixedItem{L"重启进入BL", L"adb reboot bootloader"},
    FixedItem{L"显示包名", L"adb shell pm list packages"},
    FixedItem{L"安装Magisk", L"adb install C:\\ADB\\Magisk.apk"},
    FixedItem{L"安装X-pore", L"adb install C:\\ADB\\X-plore.apk"},
    FixedItem{L"安装X浏览器", L"adb install C:\\ADB\\X-llq.apk"},
};

struct PromptedItem {
    const wchar_t* item;
    const wchar_t* prompt;
    const wchar_t* defaultAnswer;
    const wchar_t* prefix;
};

constexpr std::array kPromptedItems{
    PromptedItem{
        L"无线调试",
        L"请输入安卓设备的IP地址和端口号，:号前面为IP地址，后面为端口号，需要安卓设备开启无线调试。",
        L"192.168.1.200:5555", L"adb connect "},
    PromptedItem{
        L"模拟按键",
        L"请输入要模拟按键的键值，返回键4、home键3、菜单键82、电源键26、音量加键24、音量减键25，更多按键值请到显示键值里面查询。",
        L"4", L"adb shell input keyevent "},
    PromptedItem{L"卸载Apk", L"请输入要卸载的包名。", L"com.tencent.mm",
                 L"adb shell pm uninstall -k --user 0 "},
};

using NormalModeTest = VantrelTest;

TEST_F(NormalModeTest, StartRightAfterLaunchRebootsThePhone) {
    window().click(kStartButton);
    EXPECT_EQ(typedText(), L"adb shell reboot\r");
}

TEST_F(NormalModeTest, FixedItemsTypeTheirLineWithoutADialogAndLeaveText1Empty) {
    for (const FixedItem& fixed : kFixedItems) {
        SCOPED_TRACE(utf8(fixed.item));
        console().forget();
        startNormalItem(fixed.item);
        EXPECT_FALSE(dialogOpen());
        EXPECT_EQ(typedText(), enteredLine(fixed.line));
        EXPECT_EQ(statusText(), L"");
    }
}

TEST_F(NormalModeTest, PromptedItemsAskInTheirInputBoxAndTypeTheDefault) {
    for (const PromptedItem& prompted : kPromptedItems) {
        SCOPED_TRACE(utf8(prompted.item));
        console().forget();
        startNormalItem(prompted.item);
        ProgramDialog box = waitForDialog();
        EXPECT_EQ(readInputBox(box),
                  (InputBoxTexts{L"提醒", prompted.prompt, prompted.defaultAnswer}));
        EXPECT_EQ(box.owner(), window().handle());
        EXPECT_TRUE(box.hasButton(IDOK) && box.hasButton(IDCANCEL));
        EXPECT_EQ(statusText(), L"") << "Text1 is emptied before the box opens";
        EXPECT_EQ(typedText(), L"") << "nothing is typed while the box is open";
        box.press(IDOK);
        EXPECT_EQ(typedText(), enteredLine(std::wstring(prompted.prefix) + prompted.defaultAnswer));
        EXPECT_EQ(statusText(), L"");
    }
}

TEST_F(NormalModeTest, CancelOrAnEmptyAnswerTypesNothing) {
    for (const PromptedItem& prompted : kPromptedItems) {
        SCOPED_TRACE(utf8(prompted.item));
        startNormalItem(prompted.item);
        cancelInputBox();
        EXPECT_EQ(statusText(), L"");
        startNormalItem(prompted.item);
        answerInputBox(L"");
        EXPECT_FALSE(dialogOpen());
    }
    EXPECT_EQ(typedText(), L"");
}

TEST_F(NormalModeTest, AnswersAreTypedAsGivenWithoutTrimming) {
    startNormalItem(L"模拟按键");
    answerInputBox(L"26");
    startNormalItem(L"卸载Apk");
    answerInputBox(L" ");
    startNormalItem(L"无线调试");
    answerInputBox(L" 10.0.0.7:5555 ");
    EXPECT_EQ(typedText(),
              L"adb shell input keyevent 26\r"
              L"adb shell pm uninstall -k --user 0  \r"
              L"adb connect  10.0.0.7:5555 \r");
}

TEST_F(NormalModeTest, TextsThatOnlyResembleAnItemRunNothing) {
    for (const wchar_t* nearMiss : {L"进入shell", L"手机重启 ", L" 无线调试", L"ADB刷机2", L""}) {
        SCOPED_TRACE(utf8(nearMiss));
        startNormalItem(nearMiss);
        EXPECT_FALSE(dialogOpen());
        EXPECT_EQ(statusText(), kEarlierStatus);
    }
    EXPECT_EQ(typedText(), L"");
}

TEST_F(NormalModeTest, ItemsOfOtherModesDoNotRunInNormalMode) {
    startNormalItem(L"重启");  // a bootloader item, typed into the normal list
    EXPECT_FALSE(dialogOpen());
    EXPECT_EQ(statusText(), kEarlierStatus);
    EXPECT_EQ(typedText(), L"");
}

}  // namespace
}  // namespace e2e
