// The menu 设备: choosing the device that adb and fastboot address, and wireless pairing.
#include <gtest/gtest.h>

#include "Fakes.h"

namespace vantrel::testing {
namespace {

constexpr std::u16string_view kSerialPrompt =
    u"请输入要使用的设备序列号（“列出ADB设备”和“寻找Fastboot”会显示序列号）。之后的adb和fastboot命令只对这台设备执行。";

TEST(ChooseDeviceTest, AValidSerialIsTypedShownKeptForConsolesAndInTheCaption) {
    FormFixture f;
    f.view.inputAnswers = {u"  emulator-5554\t"};
    f.form.clicked(kChooseDeviceItem);
    ASSERT_EQ(f.view.dialogs.size(), 1u);
    EXPECT_EQ(f.view.dialogs[0].prompt, kSerialPrompt);
    EXPECT_EQ(f.view.dialogs[0].title, u"提醒");
    EXPECT_EQ(f.view.dialogs[0].defaultText, u"");
    EXPECT_EQ(f.platform.typed(), u"set ANDROID_SERIAL=emulator-5554\r");
    EXPECT_EQ(f.view.text1, u"已指定设备emulator-5554");
    EXPECT_EQ(f.platform.environment[u"ANDROID_SERIAL"], u"emulator-5554");
    EXPECT_EQ(f.view.caption, u"Vantrel - emulator-5554");

    // The next prompt offers the serial chosen last.
    f.view.inputAnswers = {u"192.168.1.200:5555"};
    f.form.clicked(kChooseDeviceItem);
    EXPECT_EQ(f.view.dialogs[1].defaultText, u"emulator-5554");
    EXPECT_EQ(f.view.caption, u"Vantrel - 192.168.1.200:5555");
}

TEST(ChooseDeviceTest, NothingButLettersDigitsAndDotColonUnderscoreDashReachesTheConsole) {
    for (const std::u16string& answer :
         std::vector<std::u16string>{u"a&calc", u"two words", u"ab\"c", u"设备1", u"a^b",
                                     u"a%PATH%", u"ａｂｃ", std::u16string(65, u'x')}) {
        FormFixture f;
        f.view.inputAnswers = {answer};
        f.form.clicked(kChooseDeviceItem);
        EXPECT_TRUE(f.platform.posts.empty()) << utf8(answer);
        EXPECT_EQ(f.view.text1, u"设备序列号只能包含字母、数字和.:_-");
        EXPECT_TRUE(f.platform.environment.empty());
        EXPECT_EQ(f.view.caption, u"Vantrel");
    }
    FormFixture longest;
    longest.view.inputAnswers = {std::u16string(64, u'x')};
    longest.form.clicked(kChooseDeviceItem);
    EXPECT_EQ(longest.platform.posts.size(), 19u + 64u + 1u);
}

TEST(ChooseDeviceTest, CancelOrBlanksChangeNothing) {
    for (const std::u16string_view answer : {u"", u"   ", u"\u3000"}) {
        FormFixture f;
        f.view.text1 = u"earlier";
        f.view.inputAnswers = {std::u16string(answer)};
        f.form.clicked(kChooseDeviceItem);
        EXPECT_TRUE(f.platform.posts.empty());
        EXPECT_EQ(f.view.text1, u"earlier");
        EXPECT_TRUE(f.view.statusWrites.empty());
    }
}

TEST(ChooseDeviceTest, TheChoiceTakesEffectOnlyWhenItWasTyped) {
    FormFixture f;
    f.platform.consoles.clear();
    f.view.inputAnswers = {u"R58M12345"};
    f.form.clicked(kChooseDeviceItem);
    EXPECT_EQ(f.view.text1, u"未找到cmd窗口");
    EXPECT_TRUE(f.platform.environment.empty());
    EXPECT_EQ(f.view.caption, u"Vantrel");
    f.form.clicked(kChooseDeviceItem);
    EXPECT_EQ(f.view.dialogs[1].defaultText, u"") << "nothing was chosen";
}

TEST(ClearDeviceTest, TypesTheEmptySetAndForgetsTheDevice) {
    FormFixture f;
    f.view.inputAnswers = {u"emulator-5554"};
    f.form.clicked(kChooseDeviceItem);
    f.platform.posts.clear();
    f.form.clicked(kClearDeviceItem);
    EXPECT_EQ(f.platform.typed(), u"set ANDROID_SERIAL=\r");
    EXPECT_EQ(f.view.text1, u"已取消指定设备");
    EXPECT_FALSE(f.platform.environment.contains(u"ANDROID_SERIAL"));
    EXPECT_EQ(f.view.caption, u"Vantrel");
    f.form.clicked(kChooseDeviceItem);
    EXPECT_EQ(f.view.dialogs[1].defaultText, u"") << "no device is chosen now";

    FormFixture noConsole;
    noConsole.platform.environment[u"ANDROID_SERIAL"] = u"kept";
    noConsole.platform.consoles.clear();
    noConsole.form.clicked(kClearDeviceItem);
    EXPECT_EQ(noConsole.view.text1, u"未找到cmd窗口");
    EXPECT_EQ(noConsole.platform.environment[u"ANDROID_SERIAL"], u"kept");
}

TEST(PairWirelesslyTest, TwoValidAnswersTypeAdbPairAndSayHowToConnect) {
    FormFixture f;
    f.view.inputAnswers = {u" 192.168.1.7:41234 ", u"123456 "};
    f.form.clicked(kPairWirelesslyItem);
    ASSERT_EQ(f.view.dialogs.size(), 2u);
    EXPECT_EQ(f.view.dialogs[0].prompt,
              u"请输入手机“无线调试”→“使用配对码配对设备”里显示的IP地址和端口。");
    EXPECT_EQ(f.view.dialogs[0].defaultText, u"192.168.1.200:37000");
    EXPECT_EQ(f.view.dialogs[1].prompt, u"请输入手机上显示的六位配对码。");
    EXPECT_EQ(f.view.dialogs[1].defaultText, u"");
    EXPECT_EQ(f.view.dialogs[1].title, u"提醒");
    EXPECT_EQ(f.platform.typed(), u"adb pair 192.168.1.7:41234 123456\r");
    EXPECT_EQ(f.view.text1, u"配对后请用“无线调试”连接");

    FormFixture ipv6;
    ipv6.view.inputAnswers = {u"[fe80::1]:37000", u"000000"};
    ipv6.form.clicked(kPairWirelesslyItem);
    EXPECT_EQ(ipv6.platform.typed(), u"adb pair [fe80::1]:37000 000000\r");
}

TEST(PairWirelesslyTest, AWrongAnswerTypesNothingAndSaysSo) {
    struct Case {
        std::deque<std::u16string> answers;
        std::size_t boxes;
    };
    for (const Case& c :
         {Case{{u"1.2.3.4:5 & calc", u"123456"}, 1}, Case{{u"1.2.3.4:5", u"12345"}, 2},
          Case{{u"1.2.3.4:5", u"12345a"}, 2}, Case{{u"1.2.3.4:5", u"1234567"}, 2}}) {
        FormFixture f;
        f.view.inputAnswers = c.answers;
        f.form.clicked(kPairWirelesslyItem);
        EXPECT_EQ(f.view.dialogs.size(), c.boxes);
        EXPECT_TRUE(f.platform.posts.empty());
        EXPECT_EQ(f.view.text1, u"地址或配对码不正确");
    }
}

TEST(PairWirelesslyTest, CancelInEitherBoxEndsWithNothingTyped) {
    for (const std::deque<std::u16string>& answers :
         {std::deque<std::u16string>{u""}, std::deque<std::u16string>{u"1.2.3.4:5", u" "}}) {
        FormFixture f;
        f.view.text1 = u"earlier";
        f.view.inputAnswers = answers;
        f.form.clicked(kPairWirelesslyItem);
        EXPECT_EQ(f.view.dialogs.size(), answers.size());
        EXPECT_TRUE(f.platform.posts.empty());
        EXPECT_EQ(f.view.text1, u"earlier");
    }
}

}  // namespace
}  // namespace vantrel::testing
