// Before a flash or the sideload is typed, the file's first bytes are checked
// for what it claims to be: a boot image, a system image or a zip. Anything
// else is sent only when the user insists; a file that cannot be read is not
// sent at all.
#include <windows.h>

#include <string>
#include <vector>

#include "driver/ImageFiles.h"
#include "driver/Units.h"
#include "driver/VantrelTest.h"
#include "driver/WorkFolder.h"
#include "win32/common/UniqueHandles.h"

namespace e2e {
namespace {

using namespace vantrel;
using vantrel::win32::UniqueHandle;

using Content = std::string (*)();

struct GuardedFlash {
    const char* name;
    int option;
    int list;
    const wchar_t* item;
    const wchar_t* file;  // in C:\ADB
    const wchar_t* instruction;
    const wchar_t* line;
    const wchar_t* warning;
    std::vector<Content> valid;
    Content wrong;
};

void PrintTo(const GuardedFlash& flash, std::ostream* out) {
    *out << flash.name;
}

const GuardedFlash kSideload{
    "Sideload",
    kNormalModeOption,
    kNormalActionList,
    L"ADB刷机",
    L"update.zip",
    L"请把文件名称为update.zip的刷机包，放在C:\\ADB目录下，并且保持数据线连接",
    L"adb sideload C:\\ADB\\update.zip",
    L"C:\\ADB\\update.zip不是zip刷机包，手机会拒绝安装它。\r\n仍然要发送吗？",
    {&zipArchive},
    &bootImage};
const GuardedFlash kRecovery{
    "Recovery",
    kBootloaderModeOption,
    kBootloaderActionList,
    L"刷Recovery",
    L"recovery.img",
    L"请把文件名称为recovery.img恢复模式，放在C:\\ADB目录下，并且保持数据线连接",
    L"fastboot flash recovery C:\\ADB\\recovery.img",
    L"C:\\ADB\\recovery.img不是Android启动镜像（文件开头没有ANDROID!），刷入后手机可能无法进入Recovery。\r\n仍然要刷入吗？",
    {&bootImage},
    &zipArchive};
const GuardedFlash kSystem{
    "System",
    kBootloaderModeOption,
    kBootloaderActionList,
    L"刷入System",
    L"system.img",
    L"请把文件名称为system.img文件，放在C:\\ADB目录下，并且保持数据线连接",
    L"fastboot flash system -S 100M C:\\ADB\\system.img",
    L"C:\\ADB\\system.img不是Android系统镜像（不是sparse、ext4或EROFS格式），刷入后手机可能无法开机。\r\n仍然要刷入吗？",
    {&sparseImage, &ext4Image, &erofsImage},
    &bootImage};
const GuardedFlash kBoot{
    "Boot",
    kBootloaderModeOption,
    kBootloaderActionList,
    L"刷入Boot",
    L"boot.img",
    L"请把文件名称为boot.img文件，放在C:\\ADB目录下，并且保持数据线连接",
    L"fastboot flash boot C:\\ADB\\boot.img",
    L"C:\\ADB\\boot.img不是Android启动镜像（文件开头没有ANDROID!），刷入后手机可能无法开机。\r\n仍然要刷入吗？",
    {&bootImage},
    &gzipArchive};

class FlashImageCheckTest : public VantrelTest, public ::testing::WithParamInterface<GuardedFlash> {
  protected:
    void startAndConfirm() {
        startItem(GetParam().option, GetParam().list, GetParam().item);
        answerConfirmation(GetParam().instruction, IDYES);
    }

    std::wstring path() const { return std::wstring(kWorkFolder) + L"\\" + GetParam().file; }
};

TEST_P(FlashImageCheckTest, AFileOfItsFormatIsTypedWithoutAWarning) {
    for (const Content valid : GetParam().valid) {
        const WorkFolderEntry file(GetParam().file, valid());
        console().forget();
        startAndConfirm();
        EXPECT_FALSE(dialogOpen());
        EXPECT_EQ(typedText(), enteredLine(GetParam().line));
    }
}

TEST_P(FlashImageCheckTest, AnyOtherFileIsWarnedAboutAndALockedOneCannotBeRead) {
    {
        const WorkFolderEntry file(GetParam().file, GetParam().wrong());
        for (const int answer : {IDNO, IDYES}) {
            startAndConfirm();
            ProgramDialog warning =
                expectMessageBox(L"警告", GetParam().warning, {IDYES, IDNO}, StandardIcon::Warning);
            EXPECT_EQ(warning.defaultButton(), IDNO) << "Enter must not flash";
            warning.press(answer);
            window().settle();
            EXPECT_FALSE(dialogOpen());
            EXPECT_EQ(typedText(), answer == IDYES ? enteredLine(GetParam().line) : L"");
            EXPECT_EQ(statusText(), L"");
        }
    }
    console().forget();
    const WorkFolderEntry file(GetParam().file, GetParam().valid.front()());
    // Another program holds it open and lets no one else in.
    const UniqueHandle locked(CreateFileW(path().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_NE(locked.get(), INVALID_HANDLE_VALUE);
    startAndConfirm();
    expectMessageBox(L"错误提示", L"无法读取" + path(), {IDOK}, StandardIcon::Error).press(IDOK);
    window().settle();
    EXPECT_EQ(typedText(), L"");
}

INSTANTIATE_TEST_SUITE_P(EachFlash, FlashImageCheckTest,
                         ::testing::Values(kSideload, kRecovery, kSystem, kBoot),
                         [](const ::testing::TestParamInfo<GuardedFlash>& flash) {
                             return std::string(flash.param.name);
                         });

}  // namespace
}  // namespace e2e
