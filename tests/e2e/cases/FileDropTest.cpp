// Files dropped onto the window as Explorer drops them: only one existing
// ordinary .apk file whose name cmd cannot change is taken, and a drop while
// a box is open changes nothing.
#include <string>

#include "driver/FileDrop.h"
#include "driver/VantrelTest.h"
#include "driver/WorkFolder.h"

namespace e2e {
namespace {

using namespace vantrel;

class FileDropTest : public VantrelTest {
  protected:
    void drop(const std::wstring& path) { dropFile(window().handle(), path); }
    bool installModeSelected() { return window().isChecked(kInstallModeOption); }
};

TEST_F(FileDropTest, AFileWithAPercentInItsNameIsRefusedWithItsOwnText) {
    const WorkFolderEntry apk(L"50%off.apk", WorkFolderEntry::Form::OrdinaryFile);
    drop(L"C:\\ADB\\50%off.apk");
    EXPECT_EQ(statusText(), L"文件名含有%或引号，请改名后再拖入");
    EXPECT_FALSE(installModeSelected());
}

TEST_F(FileDropTest, AMissingFileOnlySaysWhatToDrop) {
    removeFromWorkFolder(L"gone.apk");
    drop(L"C:\\ADB\\gone.apk");
    EXPECT_EQ(statusText(), L"请拖入一个.apk文件");
    EXPECT_FALSE(installModeSelected());
}

TEST_F(FileDropTest, ADropWhileABoxIsOpenChangesNothingAndOneAfterItIsTaken) {
    const WorkFolderEntry apk(L"X-plore.apk", WorkFolderEntry::Form::OrdinaryFile);
    const std::wstring path = L"C:\\ADB\\X-plore.apk";
    startNormalItem(L"ADB刷机");
    ProgramDialog confirmation = waitForDialog();
    drop(path);
    EXPECT_TRUE(dialogOpen());
    EXPECT_EQ(statusText(), L"");
    EXPECT_FALSE(installModeSelected());

    confirmation.press(IDNO);
    waitForDialog().press(IDOK);  // the error box
    window().settle();
    EXPECT_EQ(statusText(), L"");
    EXPECT_FALSE(installModeSelected());

    drop(path);
    EXPECT_EQ(statusText(), path);
    EXPECT_TRUE(installModeSelected());
    EXPECT_EQ(typedText(), L"");
}

}  // namespace
}  // namespace e2e
