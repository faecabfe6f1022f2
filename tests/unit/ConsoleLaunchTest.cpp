#include <gtest/gtest.h>

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
        f.form.load();
        EXPECT_EQ(f.platform.consoleStartCount, consoles);
        EXPECT_TRUE(f.view.statusWrites.empty());
    }
}

TEST(AutoStartTest, FailedStartAtLoadIsReported) {
    FormFixture f;
    f.platform.setEntry(kMarker, EntryKind::Directory);
    f.platform.consoleStarts = false;
    f.form.load();
    EXPECT_EQ(f.view.text1, u"无法打开cmd窗口");
}

TEST(OpenConsoleButtonTest, EveryClickOpensANewConsoleAndClearsTheStatus) {
    FormFixture f;
    f.view.text1 = u"earlier";
    f.form.click(kCommand1);
    f.form.click(kCommand1);
    EXPECT_EQ(f.platform.consoleStartCount, 2);
    EXPECT_EQ(f.view.text1, u"");
}

TEST(OpenConsoleButtonTest, FailedStartIsReported) {
    FormFixture f;
    f.platform.consoleStarts = false;
    f.form.click(kCommand1);
    EXPECT_EQ(f.view.text1, u"无法打开cmd窗口");
}

TEST(AutoStartMenuTest, TurningOnMakesTheWorkFolderAndTheMarker) {
    FormFixture f;
    f.view.text1 = u"earlier";
    f.form.click(kZdcmd);
    EXPECT_EQ(f.platform.entryKind(u"C:\\ADB"), EntryKind::Directory);
    EXPECT_EQ(f.platform.entryKind(kMarker), EntryKind::Directory);
    EXPECT_EQ(f.view.text1, u"");
    EXPECT_EQ(f.platform.consoleStartCount, 0);
}

TEST(AutoStartMenuTest, TurningOnTwiceOrOverAPlainFileMarkerIsDone) {
    FormFixture f;
    f.platform.setEntry(kMarker, EntryKind::OrdinaryFile);
    f.form.click(kZdcmd);
    f.form.click(kZdcmd);
    EXPECT_EQ(f.platform.entryKind(kMarker), EntryKind::OrdinaryFile);
    EXPECT_EQ(f.view.text1, u"");
}

TEST(AutoStartMenuTest, TurningOnReportsAMarkerThatCannotBeMade) {
    for (const auto& blocked : {u"C:\\adb", u"C:\\adb\\qd"}) {
        FormFixture f;
        f.platform.unmakeableDirectories = {blocked};
        f.form.click(kZdcmd);
        EXPECT_EQ(f.view.text1, u"无法设置自动进入cmd");
    }
    FormFixture hidden;
    hidden.platform.setEntry(u"C:\\adb", EntryKind::Directory);
    hidden.platform.setEntry(kMarker, EntryKind::HiddenOrSystem);
    hidden.form.click(kZdcmd);
    EXPECT_EQ(hidden.view.text1, u"无法设置自动进入cmd");
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
        f.form.click(kQxcmd);
        EXPECT_EQ(f.platform.entryKind(kMarker), EntryKind::Missing);
        EXPECT_EQ(f.view.text1, u"earlier");
        EXPECT_TRUE(f.view.statusWrites.empty());
    }
}

TEST(AutoStartMenuTest, TurningOffReportsAMarkerThatStays) {
    FormFixture f;
    f.platform.setEntry(kMarker, EntryKind::Directory);
    f.platform.unremovable = {std::u16string(kMarker)};
    f.form.click(kQxcmd);
    EXPECT_EQ(f.view.text1, u"无法取消自动进入cmd");
}

TEST(AutoStartMenuTest, OnThenOffLeavesNoMarkerAndOpensNoConsole) {
    FormFixture f;
    f.form.click(kZdcmd);
    f.form.click(kQxcmd);
    EXPECT_EQ(f.platform.entryKind(kMarker), EntryKind::Missing);
    f.form.load();
    EXPECT_EQ(f.platform.consoleStartCount, 0);
}

}  // namespace
}  // namespace vantrel::testing
