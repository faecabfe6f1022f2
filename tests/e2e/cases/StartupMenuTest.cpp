// The menu "启动": the auto-start marker C:\adb\qd made and removed on disk,
// and a failure reported whenever the marker does not end up as asked.
#include <windows.h>

#include <string>

#include "driver/VantrelTest.h"
#include "driver/WorkFolder.h"

namespace e2e {
namespace {

using namespace vantrel;

constexpr wchar_t kMarker[] = L"C:\\adb\\qd";

bool markerIsFolder() {
    const DWORD attributes = GetFileAttributesW(kMarker);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

class StartupMenuTest : public VantrelTest {
  protected:
    void TearDown() override {
        VantrelTest::TearDown();
        removeAutoStartMarker();
    }
};

TEST_F(StartupMenuTest, AutoStartMakesTheMarkerAndEmptiesText1) {
    window().typeText(kStatusBox, L"上一个状态");
    chooseMenuItem(kAutoStartOnItem);
    EXPECT_TRUE(markerIsFolder());
    EXPECT_EQ(statusText(), L"");
    chooseMenuItem(kAutoStartOnItem);  // an existing marker counts as done
    EXPECT_TRUE(markerIsFolder());
    EXPECT_EQ(statusText(), L"");
}

TEST_F(StartupMenuTest, NoAutoStartRemovesTheMarkerAndKeepsText1) {
    chooseMenuItem(kAutoStartOnItem);
    window().typeText(kStatusBox, L"保留的状态");
    chooseMenuItem(kAutoStartOffItem);
    EXPECT_EQ(GetFileAttributesW(kMarker), INVALID_FILE_ATTRIBUTES);
    chooseMenuItem(kAutoStartOffItem);  // a missing marker counts as done
    EXPECT_EQ(statusText(), L"保留的状态");
    EXPECT_EQ(typedText(), L"");
}

TEST_F(StartupMenuTest, NoAutoStartSaysSoWhenTheMarkerStays) {
    const WorkFolderEntry marker(L"qd", WorkFolderEntry::Form::Folder);
    const WorkFolderEntry content(L"qd\\keep", WorkFolderEntry::Form::OrdinaryFile);
    window().typeText(kStatusBox, L"保留的状态");
    chooseMenuItem(kAutoStartOffItem);
    EXPECT_EQ(statusText(), L"无法取消自动进入cmd");
    EXPECT_TRUE(markerIsFolder());
}

// An entry named qd that does not count as the marker: a hidden or system one is not the program's.
struct UncountedEntry {
    const char* name;
    WorkFolderEntry::Form form;
};

void PrintTo(const UncountedEntry& entry, std::ostream* out) {
    *out << entry.name;
}

class UncountedMarkerTest : public StartupMenuTest,
                            public ::testing::WithParamInterface<UncountedEntry> {};

TEST_P(UncountedMarkerTest, AutoStartSaysItCouldNotAndLeavesTheEntryAsItWas) {
    const WorkFolderEntry entry(L"qd", GetParam().form);
    const DWORD attributes = GetFileAttributesW(kMarker);
    window().typeText(kStatusBox, L"上一个状态");
    chooseMenuItem(kAutoStartOnItem);
    EXPECT_EQ(statusText(), L"无法设置自动进入cmd");
    EXPECT_EQ(GetFileAttributesW(kMarker), attributes);
}

INSTANTIATE_TEST_SUITE_P(
    Qd, UncountedMarkerTest,
    ::testing::Values(UncountedEntry{"HiddenFolder", WorkFolderEntry::Form::HiddenFolder},
                      UncountedEntry{"SystemFolder", WorkFolderEntry::Form::SystemFolder},
                      UncountedEntry{"HiddenFile", WorkFolderEntry::Form::HiddenFile},
                      UncountedEntry{"SystemFile", WorkFolderEntry::Form::SystemFile}),
    [](const ::testing::TestParamInfo<UncountedEntry>& entry) {
        return std::string(entry.param.name);
    });

}  // namespace
}  // namespace e2e
