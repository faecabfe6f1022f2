// A flash, the sideload and the install take the file the user has: when the
// work folder lacks it, an Open dialog chooses it, and the chosen path goes
// through the same checks and into the same line, as one argument of cmd's.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "Fakes.h"

namespace vantrel::testing {
namespace {

using Filters = std::vector<std::pair<std::u16string, std::u16string>>;
using Bytes = std::vector<std::uint8_t>;

const Filters kImageFilters{{u"镜像文件 (*.img)", u"*.img"}, {u"所有文件 (*.*)", u"*.*"}};
const Filters kPackageFilters{{u"刷机包 (*.zip)", u"*.zip"}, {u"所有文件 (*.*)", u"*.*"}};
const Bytes kBootImage{'A', 'N', 'D', 'R', 'O', 'I', 'D', '!', 0x00, 0x80, 0x00, 0x00};
const Bytes kInitBootImage{'A', 'N', 'D', 'R', 'O', 'I', 'D', '!', 0, 0, 0, 0, 0x00, 0x10};
const Bytes kSparseImage{0x3A, 0xFF, 0x26, 0xED, 0x01, 0x00};
const Bytes kZip{0x50, 0x4B, 0x03, 0x04, 0x14, 0x00};

struct GuardedFile {
    Mode mode;
    std::u16string item;
    std::u16string chooserTitle;
    std::u16string linePrefix;
    Bytes valid;
};

const GuardedFile kSideload{Mode::Normal, u"ADB刷机", u"选择要发送的刷机包", u"adb sideload ",
                            kZip};
const GuardedFile kRecovery{Mode::Bootloader, u"刷Recovery", u"选择要刷入的Recovery镜像",
                            u"fastboot flash recovery ", kBootImage};
const GuardedFile kSystem{Mode::Bootloader, u"刷入System", u"选择要刷入的System镜像",
                          u"fastboot flash system -S 100M ", kSparseImage};
const GuardedFile kBoot{Mode::Bootloader, u"刷入Boot", u"选择要刷入的Boot镜像",
                        u"fastboot flash boot ", kBootImage};
const GuardedFile* const kGuardedFiles[] = {&kSideload, &kRecovery, &kSystem, &kBoot};

// Yes to the confirmation, with the work folder's file missing.
void startWithoutWorkFolderFile(FormFixture& f, const GuardedFile& action) {
    f.view.boxAnswers = {BoxAnswer::Yes, BoxAnswer::Yes};
    f.pressStart(action.mode, action.item);
}

TEST(ChosenFileTest, EachActionOpensItsDialogInTheWorkFolderWhenThatIsAFolder) {
    for (const GuardedFile* action : kGuardedFiles) {
        for (const bool workFolder : {true, false}) {
            SCOPED_TRACE(utf8(action->item) + (workFolder ? " with C:\\ADB" : " without it"));
            FormFixture f;
            if (workFolder) {
                f.platform.setHiddenFolder(u"C:\\ADB");
            }
            startWithoutWorkFolderFile(f, *action);
            ASSERT_EQ(f.view.dialogs.size(), 3u) << "confirmation, dialog, error box";
            const Dialog& chooser = f.view.dialogs[1];
            EXPECT_EQ(chooser.kind, Dialog::OpenFile);
            EXPECT_EQ(utf8(chooser.title), utf8(action->chooserTitle));
            EXPECT_EQ(chooser.filters, action == &kSideload ? kPackageFilters : kImageFilters);
            EXPECT_EQ(chooser.defaultText, workFolder ? u"C:\\ADB" : u"");
            // Cancel: the action's error box, as without a dialog.
            EXPECT_EQ(f.view.dialogs[2].box, BoxKind::Error);
            EXPECT_TRUE(f.platform.posts.empty());
        }
    }
}

TEST(ChosenFileTest, TheChosenPathIsCheckedAndTypedAsOneArgument) {
    struct Case {
        std::u16string chosen;
        std::u16string argument;
    };
    const std::vector<Case> cases{
        {u"D:\\下载\\magisk_patched-27000_Ab1Cd.img", u"D:\\下载\\magisk_patched-27000_Ab1Cd.img"},
        {u"D:\\My ROM\\system.img", u"\"D:\\My ROM\\system.img\""},
        {u"D:\\下载\\update-1.zip", u"D:\\下载\\update-1.zip"},
        {u"D:\\Tom&Jerry\\(1).img", u"\"D:\\Tom&Jerry\\(1).img\""},
        {u"D:\\a^b=c;d,e\\x.img", u"\"D:\\a^b=c;d,e\\x.img\""},
    };
    for (const GuardedFile* action : kGuardedFiles) {
        for (const Case& c : cases) {
            SCOPED_TRACE(utf8(action->item + u" " + c.chosen));
            FormFixture f;
            f.platform.setFile(c.chosen, action->valid);
            f.view.chosenFiles = {c.chosen};
            startWithoutWorkFolderFile(f, *action);
            EXPECT_EQ(f.view.dialogs.size(), 2u) << "no warning for a file of its format";
            EXPECT_EQ(f.platform.typed(), action->linePrefix + c.argument + u"\r");
        }
    }
}

TEST(ChosenFileTest, APathWithAPercentOrAQuoteIsRefusedUnread) {
    for (const std::u16string_view chosen : {u"D:\\50%off\\boot.img", u"D:\\a\"b\\boot.img"}) {
        FormFixture f;
        f.platform.setFile(chosen, kBootImage);
        f.view.chosenFiles = {std::u16string(chosen)};
        startWithoutWorkFolderFile(f, kBoot);
        ASSERT_EQ(f.view.dialogs.size(), 3u);
        EXPECT_EQ(utf8(f.view.dialogs[2].prompt), utf8(u"文件名含有%或引号，请改名后再选择"));
        EXPECT_EQ(f.view.dialogs[2].title, u"错误提示");
        EXPECT_EQ(f.view.dialogs[2].box, BoxKind::Failure);
        EXPECT_TRUE(f.platform.readSizes.empty());
        EXPECT_TRUE(f.platform.posts.empty());
    }
}

// The warnings and the read error name the chosen file bare, as they name the work folder's.
TEST(ChosenFileTest, TheChecksNameTheChosenFile) {
    const std::u16string chosen = u"D:\\My ROM\\rom.img";
    FormFixture warned;
    warned.platform.setFile(chosen, kZip);
    warned.view.chosenFiles = {chosen};
    startWithoutWorkFolderFile(warned, kBoot);
    ASSERT_EQ(warned.view.dialogs.size(), 3u);
    EXPECT_EQ(warned.view.dialogs[2].box, BoxKind::Warning);
    EXPECT_TRUE(warned.view.dialogs[2].prompt.starts_with(chosen + u"不是Android启动镜像"));
    EXPECT_EQ(warned.platform.typed(), u"fastboot flash boot \"" + chosen + u"\"\r") << "on Yes";

    FormFixture unreadable;
    unreadable.platform.setEntry(chosen, EntryKind::OrdinaryFile);  // locked: no contents
    unreadable.view.chosenFiles = {chosen};
    startWithoutWorkFolderFile(unreadable, kBoot);
    ASSERT_EQ(unreadable.view.dialogs.size(), 3u);
    EXPECT_EQ(unreadable.view.dialogs[2].prompt, u"无法读取" + chosen);
    EXPECT_TRUE(unreadable.platform.posts.empty());
}

TEST(InitBootTest, ABootImageWithoutKernelIsOfferedForInitBootOnlyWhenFlashedAsBoot) {
    const std::u16string question =
        u"是init_boot镜像（里面没有内核），刷入boot分区后手机将无法开机。\r\n要改为刷入init_boot分区吗？";
    for (const BoxAnswer answer : {BoxAnswer::Yes, BoxAnswer::No}) {
        FormFixture f;
        f.platform.setFile(u"C:\\ADB\\boot.img", kInitBootImage);
        f.view.boxAnswers = {BoxAnswer::Yes, answer};
        f.pressStart(Mode::Bootloader, u"刷入Boot");
        ASSERT_EQ(f.view.dialogs.size(), 2u);
        EXPECT_EQ(utf8(f.view.dialogs[1].prompt), utf8(u"C:\\ADB\\boot.img" + question));
        EXPECT_EQ(f.view.dialogs[1].title, u"警告");
        EXPECT_EQ(f.view.dialogs[1].box, BoxKind::Warning);
        EXPECT_EQ(f.platform.typed(),
                  answer == BoxAnswer::Yes ? u"fastboot flash init_boot C:\\ADB\\boot.img\r" : u"");
    }

    FormFixture chosen;
    const std::u16string path = u"D:\\My Files\\init_boot.img";
    chosen.platform.setFile(path, kInitBootImage);
    chosen.view.chosenFiles = {path};
    startWithoutWorkFolderFile(chosen, kBoot);
    ASSERT_EQ(chosen.view.dialogs.size(), 3u);
    EXPECT_EQ(chosen.view.dialogs[2].prompt, path + question);
    EXPECT_EQ(chosen.platform.typed(), u"fastboot flash init_boot \"" + path + u"\"\r");

    FormFixture recovery;
    recovery.platform.setFile(u"C:\\ADB\\recovery.img", kInitBootImage);
    recovery.view.boxAnswers = {BoxAnswer::Yes};
    recovery.pressStart(Mode::Bootloader, u"刷Recovery");
    EXPECT_EQ(recovery.view.dialogs.size(), 1u);
    EXPECT_EQ(recovery.platform.typed(), u"fastboot flash recovery C:\\ADB\\recovery.img\r");
}

TEST(ChosenApkTest, AnEmptyPathOpensTheDialogAndTheChosenApkIsInstalled) {
    for (const std::u16string_view blank : {u"", u"   ", u"\t \u3000"}) {
        FormFixture f;
        f.platform.setHiddenFolder(u"C:\\ADB");
        f.platform.setEntry(u"D:\\My Apps\\a b.APK", EntryKind::OrdinaryFile);
        f.view.text1 = blank;
        f.view.chosenFiles = {u"D:\\My Apps\\a b.APK"};
        f.pressStart(Mode::Install);
        ASSERT_EQ(f.view.dialogs.size(), 1u);
        EXPECT_EQ(f.view.dialogs[0].kind, Dialog::OpenFile);
        EXPECT_EQ(utf8(f.view.dialogs[0].title), utf8(u"选择要安装的APK"));
        EXPECT_EQ(f.view.dialogs[0].filters,
                  (Filters{{u"APK文件 (*.apk)", u"*.apk"}, {u"所有文件 (*.*)", u"*.*"}}));
        EXPECT_EQ(f.view.dialogs[0].defaultText, u"") << "the system's own start folder";
        EXPECT_EQ(f.view.text1, u"\"D:\\My Apps\\a b.APK\"");
        EXPECT_EQ(f.platform.typed(), u"adb install \"D:\\My Apps\\a b.APK\"\r");
    }
}

TEST(ChosenApkTest, CancelOrAFileThatIsNoApkTypesNothing) {
    struct Case {
        const char* what;
        std::deque<std::u16string> chosen;
        std::u16string text1;
    };
    const std::vector<Case> cases{
        {"cancel", {}, u""},
        {"not an apk", {u"D:\\notes.txt"}, u"请选择一个.apk文件"},
        {"a folder", {u"D:\\folder.apk"}, u"请选择一个.apk文件"},
        {"a percent", {u"D:\\50%off.apk"}, u"文件名含有%或引号，请改名后再选择"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FormFixture f;
        f.platform.setEntry(u"D:\\notes.txt", EntryKind::OrdinaryFile);
        f.platform.setEntry(u"D:\\folder.apk", EntryKind::Directory);
        f.platform.setEntry(u"D:\\50%off.apk", EntryKind::OrdinaryFile);
        f.view.chosenFiles = c.chosen;
        f.pressStart(Mode::Install);
        EXPECT_EQ(utf8(f.view.text1), utf8(c.text1));
        EXPECT_TRUE(f.platform.posts.empty());
    }
}

}  // namespace
}  // namespace vantrel::testing
