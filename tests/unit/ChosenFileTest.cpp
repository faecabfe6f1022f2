// A flash, the sideload and the install take the file the user has: when the
// work folder lacks it, an Open dialog chooses it, and the chosen path goes
// through the same checks and into the same line, as one argument of cmd's.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "Fakes.h"
#include "actions/ImageCheck.h"

namespace vantrel::testing {
namespace {

using Filters = std::vector<std::pair<std::u16string, std::u16string>>;
using Bytes = std::vector<std::uint8_t>;

const Filters kImageFilters{{u"镜像文件 (*.img)", u"*.img"}, {u"所有文件 (*.*)", u"*.*"}};
const Filters kPackageFilters{{u"刷机包 (*.zip)", u"*.zip"}, {u"所有文件 (*.*)", u"*.*"}};
const Bytes kBootImage{'A', 'N', 'D', 'R', 'O', 'I', 'D', '!', 0x00, 0x80, 0x00, 0x00};
const Bytes kInitBootImage{'A', 'N', 'D', 'R', 'O', 'I', 'D', '!', 0, 0, 0, 0, 0x00, 0x10};

struct GuardedFile {
    Mode mode;
    std::u16string item;
    std::u16string chooserTitle;
    const Filters* filters;
    std::u16string linePrefix;
    Bytes valid;
};

const GuardedFile kBoot{Mode::Bootloader,        u"刷入Boot",
                        u"选择要刷入的Boot镜像", &kImageFilters,
                        u"fastboot flash boot ", kBootImage};
const GuardedFile kGuardedFiles[] = {
    {Mode::Normal,
     u"ADB刷机",
     u"选择要发送的刷机包",
     &kPackageFilters,
     u"adb sideload ",
     {0x50, 0x4B, 0x03, 0x04}},
    {Mode::Bootloader, u"刷Recovery", u"选择要刷入的Recovery镜像", &kImageFilters,
     u"fastboot flash recovery ", kBootImage},
    {Mode::Bootloader,
     u"刷入System",
     u"选择要刷入的System镜像",
     &kImageFilters,
     u"fastboot flash system -S 100M ",
     {0x3A, 0xFF, 0x26, 0xED}},
    kBoot,
};

// Yes to the confirmation, with the work folder's file missing.
void startWithoutWorkFolderFile(FormFixture& f, const GuardedFile& action) {
    f.view.boxAnswers = {BoxAnswer::Yes, BoxAnswer::Yes};
    f.pressStart(action.mode, action.item);
}

TEST(ChosenFileTest, EachActionOffersItsDialogAndTypesTheChosenFile) {
    for (const GuardedFile& action : kGuardedFiles) {
        SCOPED_TRACE(utf8(action.item));
        FormFixture cancelled;
        cancelled.platform.setHiddenFolder(u"C:\\ADB");
        startWithoutWorkFolderFile(cancelled, action);
        ASSERT_EQ(cancelled.view.dialogs.size(), 3u) << "confirmation, dialog, error box";
        const Dialog& chooser = cancelled.view.dialogs[1];
        EXPECT_EQ(chooser.kind, Dialog::OpenFile);
        EXPECT_EQ(utf8(chooser.title), utf8(action.chooserTitle));
        EXPECT_EQ(chooser.filters, *action.filters);
        EXPECT_EQ(chooser.defaultText, u"C:\\ADB") << "it starts in the work folder";
        EXPECT_EQ(cancelled.view.dialogs[2].box, BoxKind::Error);
        EXPECT_TRUE(cancelled.platform.posts.empty());

        FormFixture chosen;
        const std::u16string path = u"D:\\My ROM\\rom-1";
        chosen.platform.setFile(path, action.valid);
        chosen.view.chosenFiles = {path};
        startWithoutWorkFolderFile(chosen, action);
        EXPECT_EQ(chosen.view.dialogs[1].defaultText, u"") << "no work folder, no start folder";
        EXPECT_EQ(chosen.view.dialogs.size(), 2u) << "no warning for a file of its format";
        EXPECT_EQ(chosen.platform.typed(), action.linePrefix + u"\"" + path + u"\"\r");
    }
}

// The path as one argument of the line, or a box that says why it is not sent.
TEST(ChosenFileTest, TheChosenPathIsTypedBareOrQuotedOrRefused) {
    struct Case {
        std::u16string chosen;
        bool readable;
        std::u16string typed;
        std::u16string failure;  // the last box's text
    };
    const std::u16string rename = u"文件名含有%或引号，请改名后再选择";
    const std::vector<Case> cases{
        {u"D:\\下载\\magisk_patched-27000_Ab1Cd.img", true,
         u"fastboot flash boot D:\\下载\\magisk_patched-27000_Ab1Cd.img\r", u""},
        {u"D:\\Tom&Jerry\\(1).img", true, u"fastboot flash boot \"D:\\Tom&Jerry\\(1).img\"\r", u""},
        {u"D:\\50%off\\boot.img", true, u"", rename},
        {u"D:\\a\"b\\boot.img", true, u"", rename},
        {u"D:\\locked.img", false, u"", u"无法读取D:\\locked.img"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(utf8(c.chosen));
        FormFixture f;
        if (c.readable) {
            f.platform.setFile(c.chosen, kBootImage);
        } else {
            f.platform.setEntry(c.chosen, EntryKind::OrdinaryFile);
        }
        f.view.chosenFiles = {c.chosen};
        startWithoutWorkFolderFile(f, kBoot);
        EXPECT_EQ(f.platform.typed(), c.typed);
        if (!c.failure.empty()) {
            EXPECT_EQ(utf8(f.view.dialogs.back().prompt), utf8(c.failure));
            EXPECT_EQ(f.view.dialogs.back().title, u"错误提示");
            EXPECT_EQ(f.view.dialogs.back().box, BoxKind::Failure);
        }
    }
}

TEST(InitBootTest, OnlyTheBootFlashAsksAndOnlyYesTypesTheInitBootLine) {
    for (const BoxAnswer answer : {BoxAnswer::Yes, BoxAnswer::No}) {
        FormFixture f;
        f.platform.setFile(u"C:\\ADB\\boot.img", kInitBootImage);
        f.view.boxAnswers = {BoxAnswer::Yes, answer};
        f.pressStart(Mode::Bootloader, u"刷入Boot");
        ASSERT_EQ(f.view.dialogs.size(), 2u);
        EXPECT_EQ(f.view.dialogs[1].prompt, initBootQuestion(u"C:\\ADB\\boot.img"));
        EXPECT_EQ(f.view.dialogs[1].title, u"警告");
        EXPECT_EQ(f.view.dialogs[1].box, BoxKind::Warning);
        EXPECT_EQ(f.platform.typed(),
                  answer == BoxAnswer::Yes ? u"fastboot flash init_boot C:\\ADB\\boot.img\r" : u"");
    }
    FormFixture recovery;
    recovery.platform.setFile(u"C:\\ADB\\recovery.img", kInitBootImage);
    recovery.view.boxAnswers = {BoxAnswer::Yes};
    recovery.pressStart(Mode::Bootloader, u"刷Recovery");
    EXPECT_EQ(recovery.platform.typed(), u"fastboot flash recovery C:\\ADB\\recovery.img\r");
}

// With a blank path, the APK is chosen. It must pass the rules of a drop,
// which FileDropTest shows one by one, and a refusal has texts of its own.
TEST(ChosenApkTest, ABlankPathChoosesTheApkAndOnlyAnApkIsInstalled) {
    struct Case {
        std::u16string text1;
        std::deque<std::u16string> chosen;  // empty: Cancel
        std::u16string text1After;
        std::u16string typed;
    };
    const std::vector<Case> cases{
        {u"",
         {u"D:\\My Apps\\a b.APK"},
         u"\"D:\\My Apps\\a b.APK\"",
         u"adb install \"D:\\My Apps\\a b.APK\"\r"},
        {u" \t\u3000", {}, u" \t\u3000", u""},
        {u"", {u"D:\\notes.txt"}, u"请选择一个.apk文件", u""},
        {u"", {u"D:\\50%off.apk"}, u"文件名含有%或引号，请改名后再选择", u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(utf8(c.text1After));
        FormFixture f;
        f.platform.setHiddenFolder(u"C:\\ADB");  // not where an APK is looked for
        f.platform.setEntry(u"D:\\My Apps\\a b.APK", EntryKind::OrdinaryFile);
        f.platform.setEntry(u"D:\\50%off.apk", EntryKind::OrdinaryFile);
        f.view.text1 = c.text1;
        f.view.chosenFiles = c.chosen;
        f.pressStart(Mode::Install);
        ASSERT_EQ(f.view.dialogs.size(), 1u);
        EXPECT_EQ(utf8(f.view.dialogs[0].title), utf8(u"选择要安装的APK"));
        EXPECT_EQ(f.view.dialogs[0].filters,
                  (Filters{{u"APK文件 (*.apk)", u"*.apk"}, {u"所有文件 (*.*)", u"*.*"}}));
        EXPECT_EQ(f.view.dialogs[0].defaultText, u"") << "the system's own start folder";
        EXPECT_EQ(utf8(f.view.text1), utf8(c.text1After));
        EXPECT_EQ(f.platform.typed(), c.typed);
    }
}

// A notice that a drop or a choice left in Text1 is no path: Start chooses anew.
TEST(ChosenApkTest, ANoticeInText1CountsAsNoPath) {
    for (const std::u16string_view notice :
         {u"请选择一个.apk文件", u"文件名含有%或引号，请改名后再选择", u"请拖入一个.apk文件",
          u"文件名含有%或引号，请改名后再拖入"}) {
        FormFixture f;
        f.platform.setEntry(u"D:\\a.apk", EntryKind::OrdinaryFile);
        f.view.text1 = notice;
        f.view.chosenFiles = {u"D:\\a.apk"};
        f.pressStart(Mode::Install);
        EXPECT_EQ(f.platform.typed(), u"adb install D:\\a.apk\r") << utf8(notice);
    }
}

}  // namespace
}  // namespace vantrel::testing
