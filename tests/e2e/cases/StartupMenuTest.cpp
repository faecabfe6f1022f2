// The menu "启动": the auto-start marker C:\adb\qd made and removed on disk.
#include <windows.h>

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

}  // namespace
}  // namespace e2e
