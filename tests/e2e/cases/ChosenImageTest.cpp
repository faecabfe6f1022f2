// A flash takes the image the user has: without it in C:\ADB, the Open
// dialog chooses it wherever it is, and the line names it, quoted for cmd.
// A boot image without a kernel is offered for init_boot instead.
#include <windows.h>

#include <string>
#include <vector>

#include "driver/FileWriting.h"
#include "driver/ImageFiles.h"
#include "driver/ProcessEnvironment.h"
#include "driver/Units.h"
#include "driver/VantrelTest.h"
#include "driver/WorkFolder.h"

namespace e2e {
namespace {

using namespace vantrel;

constexpr wchar_t kBootInstruction[] =
    L"请把文件名称为boot.img文件，放在C:\\ADB目录下，并且保持数据线连接";
// A folder with a blank, as a user's download folder may have.
constexpr wchar_t kElsewhere[] = L"C:\\下载 文件";

class ChosenImageTest : public VantrelTest {
  protected:
    void SetUp() override {
        removeFromWorkFolder(L"boot.img");
        VantrelTest::SetUp();
    }

    void flashBoot() {
        startItem(kBootloaderModeOption, kBootloaderActionList, L"刷入Boot");
        answerConfirmation(kBootInstruction, IDYES);
    }
};

TEST_F(ChosenImageTest, AChosenImageIsFlashedWithItsQuotedPath) {
    const FileElsewhere image(kElsewhere, L"magisk_patched-27000_Ab1Cd.img", bootImage());
    const DWORD program = window().processId();
    const bool readable = sameBitnessAsDriver(program);
    const std::wstring folderBefore = readable ? currentFolderOf(program) : L"";
    flashBoot();
    ProgramDialog dialog = expectOpenDialog(L"选择要刷入的Boot镜像");
    EXPECT_EQ(dialog.fileTypes(),
              (std::vector<std::wstring>{L"镜像文件 (*.img)", L"所有文件 (*.*)"}));
    dialog.chooseFile(image.path());
    window().settle();
    EXPECT_FALSE(dialogOpen());
    EXPECT_EQ(typedText(), enteredLine(L"fastboot flash boot \"" + image.path() + L"\""));
    if (readable) {
        EXPECT_EQ(currentFolderOf(program), folderBefore) << "the dialog leaves it as it was";
    }
}

TEST_F(ChosenImageTest, AChosenFileThatIsNoImageIsWarnedAboutWithItsOwnPath) {
    const FileElsewhere notAnImage(kElsewhere, L"rom.img", zipArchive());
    flashBoot();
    expectOpenDialog(L"选择要刷入的Boot镜像").chooseFile(notAnImage.path());
    expectMessageBox(
        L"警告",
        notAnImage.path() +
            L"不是Android启动镜像（文件开头没有ANDROID!），刷入后手机可能无法开机。\r\n仍然要刷入吗？",
        {IDYES, IDNO}, StandardIcon::Warning)
        .press(IDNO);
    EXPECT_EQ(typedText(), L"");
}

TEST_F(ChosenImageTest, ABootImageWithoutKernelIsOfferedForInitBoot) {
    const WorkFolderEntry image(L"boot.img", initBootImage());
    flashBoot();
    ProgramDialog question = expectMessageBox(
        L"警告",
        L"C:\\ADB\\boot.img是init_boot镜像（里面没有内核），刷入boot分区后手机将无法开机。\r\n要改为刷入init_boot分区吗？",
        {IDYES, IDNO}, StandardIcon::Warning);
    EXPECT_EQ(question.defaultButton(), IDNO);
    question.press(IDYES);
    EXPECT_EQ(typedText(), enteredLine(L"fastboot flash init_boot C:\\ADB\\boot.img"));
}

}  // namespace
}  // namespace e2e
