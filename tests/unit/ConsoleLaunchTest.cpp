#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "Fakes.h"

namespace vantrel::testing {
namespace {

constexpr std::u16string_view kMarker = u"C:\\adb\\qd";

TEST(AutoStartTest, OpensOneConsoleOnlyWhenTheMarkerIsAFolderOrAPlainFile) {
    const std::vector<std::pair<EntryKind, int>> cases{{EntryKind::Directory, 1},
                                                       {EntryKind::OrdinaryFile, 1},
                                                       {EntryKind::HiddenOrSystem, 0},
                                                       {EntryKind::Missing, 0}};
    for (const auto& [kind, consoles] : cases) {
        FormFixture f;
        f.platform.setEntry(kMarker, kind);
        f.form.start();
        EXPECT_EQ(f.platform.consoleStartCount, consoles);
        EXPECT_TRUE(f.view.statusWrites.empty());
    }
}

TEST(AutoStartTest, AFailedStartStaysInText1WhileNormalModeIsSelected) {
    FormFixture f;
    f.platform.setEntry(kMarker, EntryKind::Directory);
    f.platform.consoleStarts = false;
    f.platform.onConsoleStart = [&f] { EXPECT_FALSE(f.view.shown) << "before the window shows"; };
    f.view.mode = std::nullopt;
    f.form.start();
    EXPECT_EQ(f.view.text1, u"无法打开cmd窗口");
    EXPECT_TRUE(f.view.shown);
    EXPECT_EQ(f.view.mode, Mode::Normal);
    EXPECT_EQ(f.view.focused, kNormalModeOption);
    // Windows reports the focus that start-up gave Option1: it changes nothing.
    f.form.focusArrived(kNormalModeOption, false);
    EXPECT_EQ(f.view.text1, u"无法打开cmd窗口");
}

TEST(OpenConsoleButtonTest, EveryClickOpensANewConsoleAndClearsTheStatus) {
    FormFixture f;
    f.view.text1 = u"earlier";
    f.form.clicked(kOpenConsoleButton);
    f.form.clicked(kOpenConsoleButton);
    EXPECT_EQ(f.platform.consoleStartCount, 2);
    EXPECT_EQ(f.view.text1, u"");
}

TEST(ConsoleFolderTest, ConsolesStartInTheWorkFolderWhenItIsAFolder) {
    struct Case {
        std::function<void(FakePlatform&)> arrange;
        std::u16string folder;
    };
    const std::vector<Case> cases{
        {[](FakePlatform& p) { p.setEntry(u"C:\\adb", EntryKind::Directory); }, u"C:\\ADB"},
        {[](FakePlatform& p) { p.setHiddenFolder(u"C:\\ADB"); }, u"C:\\ADB"},
        {[](FakePlatform& p) { p.setEntry(u"C:\\ADB", EntryKind::OrdinaryFile); }, u""},
        {[](FakePlatform&) {}, u""},
    };
    for (const Case& c : cases) {
        FormFixture f;
        c.arrange(f.platform);
        f.platform.setEntry(kMarker, EntryKind::OrdinaryFile);
        f.form.start();
        f.form.clicked(kOpenConsoleButton);
        EXPECT_EQ(f.platform.consoleFolders, (std::vector<std::u16string>{c.folder, c.folder}))
            << utf8(c.folder);
    }
}

TEST(OpenConsoleButtonTest, FailedStartIsReported) {
    FormFixture f;
    f.platform.consoleStarts = false;
    f.form.clicked(kOpenConsoleButton);
    EXPECT_EQ(f.view.text1, u"无法打开cmd窗口");
}

TEST(AutoStartMenuTest, TurningOnMakesTheWorkFolderAndTheMarker) {
    FormFixture f;
    f.view.text1 = u"earlier";
    f.form.clicked(kAutoStartOnItem);
    EXPECT_EQ(f.platform.entryKind(u"C:\\ADB"), EntryKind::Directory);
    EXPECT_EQ(f.platform.entryKind(kMarker), EntryKind::Directory);
    EXPECT_EQ(f.view.text1, u"");
    EXPECT_EQ(f.platform.consoleStartCount, 0);
}

TEST(AutoStartMenuTest, TurningOnTwiceOrOverAPlainFileMarkerIsDone) {
    FormFixture f;
    f.platform.setEntry(kMarker, EntryKind::OrdinaryFile);
    f.form.clicked(kAutoStartOnItem);
    f.form.clicked(kAutoStartOnItem);
    EXPECT_EQ(f.platform.entryKind(kMarker), EntryKind::OrdinaryFile);
    EXPECT_EQ(f.view.text1, u"");
}

TEST(AutoStartMenuTest, TurningOnReportsAMarkerThatCannotBeMade) {
    for (const auto& blocked : {u"C:\\adb", u"C:\\adb\\qd"}) {
        FormFixture f;
        f.platform.unmakeableDirectories = {blocked};
        f.form.clicked(kAutoStartOnItem);
        EXPECT_EQ(f.view.text1, u"无法设置自动进入cmd");
    }
    // A hidden or system qd does not count, and it is not ours to change.
    FormFixture hidden;
    hidden.platform.setEntry(u"C:\\adb", EntryKind::Directory);
    hidden.platform.setEntry(kMarker, EntryKind::HiddenOrSystem);
    hidden.form.clicked(kAutoStartOnItem);
    EXPECT_EQ(hidden.view.text1, u"无法设置自动进入cmd");
    EXPECT_EQ(hidden.platform.entryKind(kMarker), EntryKind::HiddenOrSystem);
}

TEST(AutoStartMenuTest, TurningOffRemovesAFolderOrAPlainFileAndKeepsTheStatus) {
    for (const EntryKind kind :
         {EntryKind::Directory, EntryKind::OrdinaryFile, EntryKind::Missing}) {
        FormFixture f;
        f.view.text1 = u"earlier";
        f.platform.setEntry(kMarker, kind);
        if (kind == EntryKind::Missing) {
            f.platform.entries.clear();
        }
        f.form.clicked(kAutoStartOffItem);
        EXPECT_EQ(f.platform.entryKind(kMarker), EntryKind::Missing);
        EXPECT_EQ(f.view.text1, u"earlier");
        EXPECT_TRUE(f.view.statusWrites.empty());
    }
}

TEST(AutoStartMenuTest, TurningOffLeavesAHiddenEntryAloneAndSaysNothing) {
    FormFixture f;
    f.view.text1 = u"earlier";
    f.platform.setEntry(kMarker, EntryKind::HiddenOrSystem);
    f.form.clicked(kAutoStartOffItem);
    EXPECT_EQ(f.platform.entryKind(kMarker), EntryKind::HiddenOrSystem);
    EXPECT_EQ(f.view.text1, u"earlier");
}

TEST(AutoStartMenuTest, TurningOffReportsAMarkerThatStays) {
    FormFixture f;
    f.platform.setEntry(kMarker, EntryKind::Directory);
    f.platform.unremovable = {std::u16string(kMarker)};
    f.form.clicked(kAutoStartOffItem);
    EXPECT_EQ(f.view.text1, u"无法取消自动进入cmd");
}

TEST(AutoStartMenuTest, OnThenOffLeavesNoMarkerAndOpensNoConsole) {
    FormFixture f;
    f.form.clicked(kAutoStartOnItem);
    f.form.clicked(kAutoStartOffItem);
    EXPECT_EQ(f.platform.entryKind(kMarker), EntryKind::Missing);
    f.form.start();
    EXPECT_EQ(f.platform.consoleStartCount, 0);
}

}  // namespace
}  // namespace vantrel::testing
