// "ADB刷机": the guarded sideload. It types only when the answer is Yes and
// C:\ADB\update.zip is an ordinary file, and then names that very file, so
// that a console in another folder sideloads it too; without it, an Open
// dialog chooses the package; otherwise one error box, nothing typed.
#include <optional>
#include <string>

#include "driver/ImageFiles.h"
#include "driver/VantrelTest.h"
#include "driver/WorkFolder.h"

namespace e2e {
namespace {

using namespace vantrel;

constexpr wchar_t kInstruction[] =
    L"请把文件名称为update.zip的刷机包，放在C:\\ADB目录下，并且保持数据线连接";
constexpr wchar_t kError[] = L"请确定单击了是,并且C:\\ADB\\update.zip文件存在";

enum class PackageState { Present, Missing, Folder, Hidden };

class SideloadTest : public VantrelTest, public ::testing::WithParamInterface<PackageState> {
  protected:
    void SetUp() override {
        VantrelTest::SetUp();
        switch (GetParam()) {
            case PackageState::Present:
                package_.emplace(L"update.zip", zipArchive());
                break;
            case PackageState::Missing:
                removeFromWorkFolder(L"update.zip");
                break;
            case PackageState::Folder:
                package_.emplace(L"update.zip", WorkFolderEntry::Form::Folder);
                break;
            case PackageState::Hidden:
                package_.emplace(L"update.zip", WorkFolderEntry::Form::HiddenFile);
                break;
        }
    }

    void startAndAnswer(int answer) {
        startNormalItem(L"ADB刷机");
        answerConfirmation(kInstruction, answer);
    }

  private:
    std::optional<WorkFolderEntry> package_;
};

TEST_P(SideloadTest, AnswerYesTypesOnlyWhenThePackageIsAnOrdinaryFile) {
    startAndAnswer(IDYES);
    if (GetParam() == PackageState::Present) {
        EXPECT_FALSE(dialogOpen());
        EXPECT_EQ(typedText(), L"adb sideload C:\\ADB\\update.zip\r");
    } else {
        // The user cancels the Open dialog that offers to choose another package.
        expectOpenDialog(L"选择要发送的刷机包").press(IDCANCEL);
        closeErrorBox(kError, IDOK);
        EXPECT_EQ(typedText(), L"");
    }
    EXPECT_EQ(statusText(), L"");
}

TEST_P(SideloadTest, AnswerNoShowsTheErrorBoxAndTypesNothing) {
    startAndAnswer(IDNO);
    closeErrorBox(kError, IDCANCEL);
    EXPECT_EQ(typedText(), L"");
    EXPECT_EQ(statusText(), L"");
}

INSTANTIATE_TEST_SUITE_P(UpdateZip, SideloadTest,
                         ::testing::Values(PackageState::Present, PackageState::Missing,
                                           PackageState::Folder, PackageState::Hidden),
                         [](const auto& state) {
                             switch (state.param) {
                                 case PackageState::Present:
                                     return "Present";
                                 case PackageState::Missing:
                                     return "Missing";
                                 case PackageState::Folder:
                                     return "Folder";
                                 case PackageState::Hidden:
                                     return "Hidden";
                             }
                             return "Unknown";
                         });

}  // namespace
}  // namespace e2e
