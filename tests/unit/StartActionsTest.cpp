#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "Fakes.h"

namespace vantrel::testing {
namespace {

constexpr std::u16string_view kStale = u"earlier status";

struct FixedCase {
    Mode mode;
    std::u16string item;
    std::u16string line;
};

void PrintTo(const FixedCase& c, std::ostream* os) {
    *os << utf8(c.item);
}

class FixedLineTest : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FixedLineTest, ClearsStatusThenTypesTheLineWithoutAnyDialog) {
    FormFixture f;
    f.view.text1 = kStale;
    f.pressStart(GetParam().mode, GetParam().item);
    EXPECT_EQ(f.platform.typed(), GetParam().line + u"\r");
    EXPECT_EQ(f.view.statusWrites, std::vector<std::u16string>{u""});
    EXPECT_TRUE(f.view.dialogs.empty());
}

INSTANTIATE_TEST_SUITE_P(
    EveryFixedItem, FixedLineTest,
    ::testing::Values(FixedCase{Mode::Normal, u"手机重启", u"adb shell reboot"},
                      FixedCase{Mode::Normal, u"手机关机", u"adb shell reboot -p"},
                      FixedCase{Mode::Normal, u"进入Shell", u"adb shell"},
                      FixedCase{Mode::Normal, u"列出ADB设备", u"adb devices"},
                      FixedCase{Mode::Normal, u"重启进入Rec", u"adb reboot recovery"},
                      FixedCase{Mode::Normal, u"重启进入BL", u"adb reboot bootloader"},
                      FixedCase{Mode::Normal, u"显示包名", u"adb shell pm list packages"},
                      FixedCase{Mode::Normal, u"安装Magisk", u"adb install C:\\ADB\\Magisk.apk"},
                      FixedCase{Mode::Normal, u"安装X-pore", u"adb install C:\\ADB\\X-plore.apk"},
                      FixedCase{Mode::Normal, u"安装X浏览器", u"adb install C:\\ADB\\X-llq.apk"},
                      FixedCase{Mode::Bootloader, u"寻找Fastboot", u"fastboot devices"},
                      FixedCase{Mode::Bootloader, u"重启", u"fastboot reboot"},
                      FixedCase{Mode::Bootloader, u"OEM解锁", u"fastboot oem unlock"}));

TEST(BootloaderLineTest, LinesHaveTheirExactLengths) {
    const std::vector<std::tuple<std::u16string, std::size_t, bool>> cases{
        {u"寻找Fastboot", 16, false}, {u"刷Recovery", 43, true}, {u"重启", 15, false},
        {u"刷入System", 47, true},    {u"OEM解锁", 19, false},   {u"刷入Boot", 35, true}};
    for (const auto& [item, length, guarded] : cases) {
        FormFixture f;
        f.view.boxAnswers = {BoxAnswer::Yes};
        f.platform.setFile(u"C:\\ADB\\recovery.img", {'A', 'N', 'D', 'R', 'O', 'I', 'D', '!'});
        f.platform.setFile(u"C:\\ADB\\boot.img",
                           {'A', 'N', 'D', 'R', 'O', 'I', 'D', '!', 0x00, 0x80, 0x00, 0x00});
        f.platform.setFile(u"C:\\ADB\\system.img", {0x3A, 0xFF, 0x26, 0xED});
        f.pressStart(Mode::Bootloader, item);
        EXPECT_EQ(f.platform.posts.size(), length + 1) << utf8(item);
        EXPECT_EQ(f.view.dialogs.size(), guarded ? 1u : 0u);
    }
}

struct PromptCase {
    std::u16string item;
    std::u16string prompt;
    std::u16string defaultAnswer;
    std::u16string prefix;
};

void PrintTo(const PromptCase& c, std::ostream* os) {
    *os << utf8(c.item);
}

class PromptedLineTest : public ::testing::TestWithParam<PromptCase> {};

TEST_P(PromptedLineTest, AsksWithItsPromptTitleAndDefault) {
    FormFixture f;
    f.pressStart(Mode::Normal, GetParam().item);
    ASSERT_EQ(f.view.dialogs.size(), 1u);
    const Dialog& asked = f.view.dialogs[0];
    EXPECT_EQ(asked.kind, Dialog::Input);
    EXPECT_EQ(asked.prompt, GetParam().prompt);
    EXPECT_EQ(asked.title, u"提醒");
    EXPECT_EQ(asked.defaultText, GetParam().defaultAnswer);
    EXPECT_EQ(f.platform.typed(), GetParam().prefix + GetParam().defaultAnswer + u"\r");
}

TEST_P(PromptedLineTest, EmptyAnswerTypesNothingButStillClearsTheStatus) {
    FormFixture f;
    f.view.text1 = kStale;
    f.view.inputAnswers = {u""};
    f.pressStart(Mode::Normal, GetParam().item);
    EXPECT_TRUE(f.platform.posts.empty());
    EXPECT_EQ(f.view.text1, u"");
}

TEST_P(PromptedLineTest, AnswerIsAppendedUntrimmed) {
    FormFixture f;
    f.view.inputAnswers = {u" "};
    f.pressStart(Mode::Normal, GetParam().item);
    EXPECT_EQ(f.platform.typed(), GetParam().prefix + u" \r");
}

INSTANTIATE_TEST_SUITE_P(
    EveryPromptedItem, PromptedLineTest,
    ::testing::Values(
        PromptCase{
            u"无线调试",
            u"请输入安卓设备的IP地址和端口号，:号前面为IP地址，后面为端口号，需要安卓设备开启无线调试。",
            u"192.168.1.200:5555", u"adb connect "},
        PromptCase{
            u"模拟按键",
            u"请输入要模拟按键的键值，返回键4、home键3、菜单键82、电源键26、音量加键24、音量减键25，更多按键值请到显示键值里面查询。",
            u"4", u"adb shell input keyevent "},
        PromptCase{u"卸载Apk", u"请输入要卸载的包名。", u"com.tencent.mm",
                   u"adb shell pm uninstall -k --user 0 "}));

TEST(PromptedLineTest, KeyCodeAnswerIsTypedAfterThePrefix) {
    FormFixture f;
    f.view.inputAnswers = {u"26"};
    f.pressStart(Mode::Normal, u"模拟按键");
    EXPECT_EQ(f.platform.typed(), u"adb shell input keyevent 26\r");
}

struct GuardedCase {
    Mode mode;
    std::u16string item;
    std::u16string instruction;
    std::u16string file;
    std::u16string line;
    std::u16string error;
    std::vector<std::uint8_t> validStart;  // a file that is what the action sends
};

void PrintTo(const GuardedCase& c, std::ostream* os) {
    *os << utf8(c.item);
}

const GuardedCase kSideload{
    Mode::Normal,
    u"ADB刷机",
    u"请把文件名称为update.zip的刷机包，放在C:\\ADB目录下，并且保持数据线连接",
    u"C:\\ADB\\update.zip",
    u"adb sideload C:\\ADB\\update.zip",
    u"请确定单击了是,并且C:\\ADB\\update.zip文件存在",
    {0x50, 0x4B, 0x03, 0x04, 0x14, 0x00}};
const GuardedCase kRecovery{
    Mode::Bootloader,
    u"刷Recovery",
    u"请把文件名称为recovery.img恢复模式，放在C:\\ADB目录下，并且保持数据线连接",
    u"C:\\ADB\\recovery.img",
    u"fastboot flash recovery C:\\ADB\\recovery.img",
    u"请确定单击了是,并且C:\\ADB\\recovery.img文件存在",
    {'A', 'N', 'D', 'R', 'O', 'I', 'D', '!'}};
const GuardedCase kSystem{Mode::Bootloader,
                          u"刷入System",
                          u"请把文件名称为system.img文件，放在C:\\ADB目录下，并且保持数据线连接",
                          u"C:\\ADB\\system.img",
                          u"fastboot flash system -S 100M C:\\ADB\\system.img",
                          u"请确定单击了是,并且C:\\ADB\\system.img文件存在",
                          {0x3A, 0xFF, 0x26, 0xED, 0x01, 0x00}};
const GuardedCase kBoot{Mode::Bootloader,
                        u"刷入Boot",
                        u"请把文件名称为boot.img文件，放在C:\\ADB目录下，并且保持数据线连接",
                        u"C:\\ADB\\boot.img",
                        u"fastboot flash boot C:\\ADB\\boot.img",
                        u"请确定单击了是,并且C:\\ADB\\boot.img文件存在",
                        {'A', 'N', 'D', 'R', 'O', 'I', 'D', '!', 0x00, 0x80, 0x00, 0x00}};

class GuardedFileActionTest
    : public ::testing::TestWithParam<std::tuple<GuardedCase, BoxAnswer, EntryKind>> {};

// Without the work folder's file, Yes opens an Open dialog first, which is cancelled here.
TEST_P(GuardedFileActionTest, TypesOnlyOnYesWithAnOrdinaryFileElseShowsOneErrorBox) {
    const auto& [action, answer, fileKind] = GetParam();
    FormFixture f;
    f.view.text1 = kStale;
    if (fileKind == EntryKind::OrdinaryFile) {
        f.platform.setFile(action.file, action.validStart);
    } else {
        f.platform.setEntry(action.file, fileKind);
    }
    f.view.boxAnswers = {answer, BoxAnswer::Cancel};
    f.pressStart(action.mode, action.item);

    ASSERT_GE(f.view.dialogs.size(), 1u);
    const Dialog& confirm = f.view.dialogs[0];
    EXPECT_EQ(confirm.kind, Dialog::Box);
    EXPECT_EQ(confirm.prompt, action.instruction);
    EXPECT_EQ(confirm.title, u"提示");
    EXPECT_EQ(confirm.box, BoxKind::Confirmation);

    const bool types = answer == BoxAnswer::Yes && fileKind == EntryKind::OrdinaryFile;
    if (types) {
        EXPECT_EQ(f.view.dialogs.size(), 1u);
        EXPECT_EQ(f.platform.typed(), action.line + u"\r");
    } else {
        const bool chooses = answer == BoxAnswer::Yes;
        ASSERT_EQ(f.view.dialogs.size(), chooses ? 3u : 2u);
        EXPECT_EQ(f.view.dialogs[1].kind, chooses ? Dialog::OpenFile : Dialog::Box);
        const Dialog& error = f.view.dialogs.back();
        EXPECT_EQ(error.prompt, action.error);
        EXPECT_EQ(error.title, u"错误提示");
        EXPECT_EQ(error.box, BoxKind::Error);
        EXPECT_TRUE(f.platform.posts.empty());
    }
    EXPECT_EQ(f.view.text1, u"");
}

INSTANTIATE_TEST_SUITE_P(
    YesNoByFileState, GuardedFileActionTest,
    ::testing::Combine(::testing::Values(kSideload, kRecovery, kSystem, kBoot),
                       ::testing::Values(BoxAnswer::Yes, BoxAnswer::No),
                       ::testing::Values(EntryKind::OrdinaryFile, EntryKind::Missing,
                                         EntryKind::Directory, EntryKind::HiddenOrSystem)));

// A boot.img that is really a zip: the user is warned first, and only Yes
// types the line. Which action takes which format, and the warnings' texts,
// are the core's table (ImageCheckTest) and the end-to-end cases.
TEST(MisnamedImageTest, OnlyYesToTheWarningTypesTheLineAndOnlyTheFilesStartIsRead) {
    for (const BoxAnswer answer : {BoxAnswer::Yes, BoxAnswer::No, BoxAnswer::Cancel}) {
        FormFixture f;
        f.view.text1 = kStale;
        f.platform.setFile(kBoot.file, {0x50, 0x4B, 0x03, 0x04});
        f.view.boxAnswers = {BoxAnswer::Yes, answer};
        f.pressStart(kBoot.mode, kBoot.item);
        ASSERT_EQ(f.view.dialogs.size(), 2u);
        EXPECT_EQ(utf8(f.view.dialogs[1].title), utf8(u"警告"));
        EXPECT_EQ(f.view.dialogs[1].box, BoxKind::Warning);
        EXPECT_EQ(f.platform.typed(), answer == BoxAnswer::Yes ? kBoot.line + u"\r" : u"");
        EXPECT_EQ(f.view.text1, u"");
        EXPECT_EQ(f.platform.readSizes, std::vector<std::size_t>{4096});
    }
}

TEST(MisnamedImageTest, AFileThatCannotBeReadIsSaidAndNothingTyped) {
    FormFixture f;
    f.platform.setEntry(kBoot.file, EntryKind::OrdinaryFile);  // locked: no contents
    f.view.boxAnswers = {BoxAnswer::Yes};
    f.pressStart(kBoot.mode, kBoot.item);
    ASSERT_EQ(f.view.dialogs.size(), 2u);
    EXPECT_EQ(f.view.dialogs[1].prompt, u"无法读取" + kBoot.file);
    EXPECT_EQ(f.view.dialogs[1].title, u"错误提示");
    EXPECT_EQ(f.view.dialogs[1].box, BoxKind::Failure);
    EXPECT_TRUE(f.platform.posts.empty());
}

TEST(GuardedFileActionTest, ErrorBoxAnswerDoesNotAskAgain) {
    FormFixture f;
    f.view.boxAnswers = {BoxAnswer::No, BoxAnswer::Ok};
    f.pressStart(Mode::Normal, u"ADB刷机");
    EXPECT_EQ(f.view.dialogs.size(), 2u);
    EXPECT_TRUE(f.platform.posts.empty());
}

TEST(TransferTest, PushWithDefaultsTypesBothPathsThenShowsTheStatus) {
    FormFixture f;
    f.pressStart(Mode::Transfer, u"从电脑到手机");
    ASSERT_EQ(f.view.dialogs.size(), 2u);
    EXPECT_EQ(f.view.dialogs[0].prompt,
              u"请输入电脑上要传输文件的路径，支持文件或者文件夹,路径不能有空格或者特殊字符。");
    EXPECT_EQ(f.view.dialogs[0].defaultText, u"C:\\ADB\\adbjz.doc");
    EXPECT_EQ(f.view.dialogs[1].prompt,
              u"请输入手机上要传输文件的路径,路径不能有空格或者特殊字符。");
    EXPECT_EQ(f.view.dialogs[1].defaultText, u"/sdcard");
    for (const Dialog& d : f.view.dialogs) {
        EXPECT_EQ(d.title, u"提醒");
    }
    EXPECT_EQ(f.platform.typed(), u"adb push C:\\ADB\\adbjz.doc /sdcard\r");
    EXPECT_EQ(f.platform.posts.size(), 34u);
    EXPECT_EQ(f.view.text1, u"传输中勿关黑窗口。");
}

TEST(TransferTest, PullWithDefaults) {
    FormFixture f;
    f.pressStart(Mode::Transfer, u"从手机到电脑");
    ASSERT_EQ(f.view.dialogs.size(), 2u);
    EXPECT_EQ(f.view.dialogs[0].prompt,
              u"请输入手机上要传输文件的路径，支持文件或者文件夹,路径不能有空格或者特殊字符。");
    EXPECT_EQ(f.view.dialogs[1].prompt,
              u"请输入电脑上要传输文件的路径,路径不能有空格或者特殊字符。");
    EXPECT_EQ(f.platform.typed(), u"adb pull /sdcard/test.png C:\\ADB\r");
    EXPECT_EQ(f.platform.posts.size(), 33u);
}

TEST(TransferTest, EitherEmptyAnswerStopsAfterBothBoxes) {
    for (const auto& answers :
         {std::deque<std::u16string>{u"", u"/sdcard"}, std::deque<std::u16string>{u"a", u""}}) {
        FormFixture f;
        f.view.text1 = kStale;
        f.view.inputAnswers = answers;
        f.pressStart(Mode::Transfer, u"从电脑到手机");
        EXPECT_EQ(f.view.dialogs.size(), 2u);
        EXPECT_TRUE(f.platform.posts.empty());
        EXPECT_EQ(f.view.text1, u"");
    }
}

TEST(TransferTest, PathsWithBlanksAreTypedUnchanged) {
    FormFixture f;
    f.view.inputAnswers = {u"C:\\My Files\\a b.txt", u"/sdcard/x y"};
    f.pressStart(Mode::Transfer, u"从电脑到手机");
    EXPECT_EQ(f.platform.typed(), u"adb push C:\\My Files\\a b.txt /sdcard/x y\r");
}

TEST(TransferTest, NoConsoleShowsThatInsteadOfTheTransferStatus) {
    FormFixture f;
    f.platform.consoles.clear();
    f.pressStart(Mode::Transfer, u"从手机到电脑");
    EXPECT_EQ(f.view.text1, u"未找到cmd窗口");
}

TEST(InstallTest, TypesTheStatusBoxTextAndKeepsIt) {
    FormFixture f;
    f.view.text1 = u"D:\\apps\\my app.apk";
    f.pressStart(Mode::Install);
    EXPECT_EQ(f.platform.typed(), u"adb install D:\\apps\\my app.apk\r");
    EXPECT_TRUE(f.view.statusWrites.empty());
    EXPECT_TRUE(f.view.dialogs.empty());
}

TEST(InstallTest, ALineThatCannotBeTypedIsToldInANoticeBoxAndThePathStays) {
    struct Failure {
        std::function<void(FakePlatform&)> arrange;
        std::u16string notice;
    };
    const std::vector<Failure> failures{
        {[](FakePlatform& p) { p.consoles.clear(); }, u"未找到cmd窗口"},
        {[](FakePlatform& p) { p.failPostAt = 4; }, u"输入cmd窗口中断，命令未执行"},
        {[](FakePlatform& p) {
             p.failure = PostResult::Refused;
             p.failPostAt = 0;
         },
         u"cmd窗口以管理员身份运行，请以管理员身份运行Vantrel"}};
    for (const Failure& failure : failures) {
        FormFixture f;
        failure.arrange(f.platform);
        f.view.text1 = u"C:\\ADB\\Magisk.apk";
        f.pressStart(Mode::Install);
        ASSERT_EQ(f.view.dialogs.size(), 1u);
        EXPECT_EQ(f.view.dialogs[0].prompt, failure.notice);
        EXPECT_EQ(f.view.dialogs[0].title, u"提示");
        EXPECT_EQ(f.view.dialogs[0].box, BoxKind::Notice);
        EXPECT_EQ(f.view.text1, u"C:\\ADB\\Magisk.apk");
        EXPECT_TRUE(f.view.statusWrites.empty());
        EXPECT_EQ(f.platform.typed().find(u'\r'), std::u16string::npos) << "no Enter";
    }
}

// Windows Terminal hosts the consoles that the user opens on Windows 11, and
// they have no console window: with no console found, a console is offered.
class TerminalQuestionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        f.platform.consoles = {{0x1111, false}};  // hidden consoles count as none
        f.platform.terminalShown = true;
    }

    void expectQuestionAt(std::size_t index) {
        ASSERT_GT(f.view.dialogs.size(), index);
        const Dialog& question = f.view.dialogs[index];
        EXPECT_EQ(
            utf8(question.prompt),
            utf8(u"Windows终端里的命令窗口不能接收Vantrel的输入。\r\n现在打开一个cmd窗口吗？"));
        EXPECT_EQ(question.title, u"提示");
        EXPECT_EQ(question.box, BoxKind::Question);
    }

    FormFixture f;
};

TEST_F(TerminalQuestionTest, YesOpensAConsoleInTheWorkFolderAndTypesNothing) {
    f.platform.setEntry(u"C:\\ADB", EntryKind::Directory);
    f.view.boxAnswers = {BoxAnswer::Yes};
    f.pressStart(Mode::Normal, u"手机重启");
    expectQuestionAt(0);
    EXPECT_EQ(f.view.dialogs.size(), 1u);
    EXPECT_EQ(f.platform.consoleFolders, std::vector<std::u16string>{u"C:\\ADB"});
    // The no-console line first, then what 打开cmd does: Text1 emptied.
    EXPECT_EQ(f.view.statusWrites, (std::vector<std::u16string>{u"", u"未找到cmd窗口", u""}));
    EXPECT_TRUE(f.platform.posts.empty());
}

TEST_F(TerminalQuestionTest, YesReportsAConsoleThatCannotStart) {
    f.platform.consoleStarts = false;
    f.view.boxAnswers = {BoxAnswer::Yes};
    f.form.clicked(kShowDensityItem);
    EXPECT_EQ(f.view.text1, u"无法打开cmd窗口");
}

TEST_F(TerminalQuestionTest, InInstallModeItReplacesTheNoticeAndThePathStays) {
    f.view.text1 = u"C:\\ADB\\Magisk.apk";
    f.view.boxAnswers = {BoxAnswer::Yes};
    f.pressStart(Mode::Install);
    expectQuestionAt(0);
    EXPECT_EQ(f.view.dialogs.size(), 1u);
    EXPECT_EQ(f.platform.consoleStartCount, 1);
    EXPECT_EQ(f.view.text1, u"C:\\ADB\\Magisk.apk");
    EXPECT_TRUE(f.view.statusWrites.empty());

    // A console that cannot start is told in a box, as Text1 holds the path.
    f.platform.consoleStarts = false;
    f.view.boxAnswers = {BoxAnswer::Yes};
    f.pressStart(Mode::Install);
    ASSERT_EQ(f.view.dialogs.size(), 3u);
    EXPECT_EQ(f.view.dialogs[2].prompt, u"无法打开cmd窗口");
    EXPECT_EQ(f.view.dialogs[2].box, BoxKind::Notice);
    EXPECT_EQ(f.view.text1, u"C:\\ADB\\Magisk.apk");
}

TEST_F(TerminalQuestionTest, NotAskedWithoutATerminalOrWhenAConsoleRefusedTheLine) {
    f.platform.terminalShown = false;
    f.pressStart(Mode::Normal, u"手机重启");
    EXPECT_TRUE(f.view.dialogs.empty());

    f.platform.terminalShown = true;
    f.platform.consoles = {{0x2222, true}};
    f.platform.failure = PostResult::Refused;
    f.platform.failPostAt = 0;
    f.pressStart(Mode::Normal, u"手机重启");
    EXPECT_TRUE(f.view.dialogs.empty());
    EXPECT_EQ(f.view.text1, u"cmd窗口以管理员身份运行，请以管理员身份运行Vantrel");
}

TEST(FirmwareExtractionTest, AsksBothThenTypesTheDdLine) {
    FormFixture f;
    f.pressStart(Mode::Normal, u"提取固件");
    ASSERT_EQ(f.view.dialogs.size(), 2u);
    EXPECT_EQ(f.view.dialogs[0].defaultText, u"/dev/block/platform/sdio_emmc/by-name/recovery");
    EXPECT_EQ(f.view.dialogs[1].defaultText, u"/sdcard/recovery.img");
    EXPECT_TRUE(f.view.dialogs[0].prompt.starts_with(u"需要设备获取root权限"));
    EXPECT_TRUE(f.view.dialogs[1].prompt.starts_with(u"请输入要保存在手机上的文件路径"));
    EXPECT_EQ(
        f.platform.typed(),
        u"adb shell \"su -c 'dd if=/dev/block/platform/sdio_emmc/by-name/recovery of=/sdcard/recovery.img'\"\r");
}

TEST(FirmwareExtractionTest, CancelOnTheFirstBoxStillShowsTheSecondAndTypesNothing) {
    FormFixture f;
    f.view.inputAnswers = {u"", u"/sdcard/boot.img"};
    f.pressStart(Mode::Normal, u"提取固件");
    EXPECT_EQ(f.view.dialogs.size(), 2u);
    EXPECT_TRUE(f.platform.posts.empty());
}

TEST(ClockSyncTest, TypesOneReadingOfTheLocalTimeWithoutADialog) {
    FormFixture f;
    f.view.text1 = kStale;
    f.platform.now = {2026, 12, 31, 23, 59, 58};
    f.pressStart(Mode::Normal, u"同步时间");
    EXPECT_EQ(f.platform.clockReadings, 1);
    EXPECT_TRUE(f.view.dialogs.empty());
    EXPECT_EQ(f.platform.typed(), u"adb shell \"su -c 'date 123123592026.58 set'\"\r");
    EXPECT_EQ(f.view.text1, u"");
}

TEST(NoConsoleTest, EveryClearingActionReportsTheMissingConsole) {
    for (const auto& [mode, item] :
         {std::pair{Mode::Normal, u"手机重启"}, std::pair{Mode::Normal, u"无线调试"},
          std::pair{Mode::Bootloader, u"OEM解锁"}}) {
        FormFixture f;
        f.platform.consoles.clear();
        f.pressStart(mode, item);
        EXPECT_EQ(f.view.text1, u"未找到cmd窗口");
        EXPECT_TRUE(f.platform.posts.empty());
    }
}

TEST(NoConsoleTest, AConsoleRunAsAdministratorIsNamedAsTheCause) {
    FormFixture f;
    f.platform.failure = PostResult::Refused;
    f.platform.failPostAt = 0;
    f.pressStart(Mode::Normal, u"手机重启");
    EXPECT_EQ(f.view.text1, u"cmd窗口以管理员身份运行，请以管理员身份运行Vantrel");
    EXPECT_TRUE(f.platform.posts.empty());
}

TEST(NoConsoleTest, InterruptedLineIsReported) {
    FormFixture f;
    f.platform.failPostAt = 5;
    f.pressStart(Mode::Normal, u"手机重启");
    EXPECT_EQ(f.view.text1, u"输入cmd窗口中断，命令未执行");
    EXPECT_EQ(f.platform.typed(), u"adb s");
}

}  // namespace
}  // namespace vantrel::testing
