// Start in bootloader mode: three fixed fastboot lines and three guarded
// flashes, which flash the image in C:\ADB that they checked, whatever folder
// the console is in.
#include <windows.h>

#include <array>
#include <optional>
#include <string>

#include "driver/FileWriting.h"
#include "driver/ImageFiles.h"
#include "driver/Units.h"
#include "driver/VantrelTest.h"
#include "driver/WorkFolder.h"

namespace e2e {
namespace {

using namespace vantrel;

struct FixedItem {
    const wchar_t* item;
    const wchar_t* line;
    size_t length;
};

constexpr std::array kFixedItems{
    FixedItem{L"寻找Fastboot", L"fastboot devices", 16},
    FixedItem{L"重启", L"fastboot reboot", 15},
    FixedItem{L"OEM解锁", L"fastboot oem unlock", 19},
};

struct Flash {
    const wchar_t* item;
    const wchar_t* image;
    const wchar_t* instruction;
    const wchar_t* error;
    const wchar_t* line;
    std::string (*validContent)();
    const wchar_t* chooserTitle;  // of the Open dialog that stands in for a missing image
};

constexpr std::array kFlashes{
    Flash{L"刷Recovery", L"recovery.img",
          L"请把文件名称为recovery.img恢复模式，放在C:\\ADB目录下，并且保持数据线连接",
          L"请确定单击了是,并且C:\\ADB\\recovery.img文件存在",
          L"fastboot flash recovery C:\\ADB\\recovery.img", &bootImage,
          L"选择要刷入的Recovery镜像"},
    Flash{L"刷入System", L"system.img",
          L"请把文件名称为system.img文件，放在C:\\ADB目录下，并且保持数据线连接",
          L"请确定单击了是,并且C:\\ADB\\system.img文件存在",
          L"fastboot flash system -S 100M C:\\ADB\\system.img", &sparseImage,
          L"选择要刷入的System镜像"},
    Flash{L"刷入Boot", L"boot.img",
          L"请把文件名称为boot.img文件，放在C:\\ADB目录下，并且保持数据线连接",
          L"请确定单击了是,并且C:\\ADB\\boot.img文件存在", L"fastboot flash boot C:\\ADB\\boot.img",
          &bootImage, L"选择要刷入的Boot镜像"},
};

class BootloaderModeTest : public VantrelTest {
  protected:
    void startBootloaderItem(std::wstring_view item) {
        startItem(kBootloaderModeOption, kBootloaderActionList, item);
    }

    void startFlashAndAnswer(const Flash& flash, int answer) {
        startBootloaderItem(flash.item);
        answerConfirmation(flash.instruction, answer);
    }

    // Without an ordinary image in the work folder, Yes opens an Open dialog,
    // and its Cancel ends in the error box.
    void cancelOpenDialog(const Flash& flash) {
        expectOpenDialog(flash.chooserTitle).press(IDCANCEL);
        window().settle();
    }

    void expectErrorBoxAndClose(const Flash& flash) {
        closeErrorBox(flash.error, IDOK);
        EXPECT_EQ(statusText(), L"");
    }
};

TEST_F(BootloaderModeTest, FixedItemsTypeTheirLineWithoutADialog) {
    for (const FixedItem& fixed : kFixedItems) {
        SCOPED_TRACE(utf8(fixed.item));
        console().forget();
        startBootloaderItem(fixed.item);
        EXPECT_FALSE(dialogOpen());
        EXPECT_EQ(typedText(), enteredLine(fixed.line));
        EXPECT_EQ(console().received().size(), fixed.length + 1);
        EXPECT_EQ(statusText(), L"");
    }
}

TEST_F(BootloaderModeTest, FlashWithTheImagePresentAndYesTypesTheFlashLineWithItsFullPath) {
    for (const Flash& flash : kFlashes) {
        SCOPED_TRACE(utf8(flash.item));
        const WorkFolderEntry image(flash.image, flash.validContent());
        console().forget();
        startFlashAndAnswer(flash, IDYES);
        EXPECT_FALSE(dialogOpen());
        EXPECT_EQ(typedText(), enteredLine(flash.line));
        EXPECT_EQ(statusText(), L"");
    }
}

TEST_F(BootloaderModeTest, FlashAnsweredNoOrWithoutAChosenImageShowsItsErrorBox) {
    for (const Flash& flash : kFlashes) {
        SCOPED_TRACE(utf8(flash.item));
        {
            const WorkFolderEntry image(flash.image, WorkFolderEntry::Form::OrdinaryFile);
            startFlashAndAnswer(flash, IDNO);
            expectErrorBoxAndClose(flash);
        }
        {
            const WorkFolderEntry folder(flash.image, WorkFolderEntry::Form::Folder);
            startFlashAndAnswer(flash, IDYES);
            cancelOpenDialog(flash);
            expectErrorBoxAndClose(flash);
        }
        removeFromWorkFolder(flash.image);
        startFlashAndAnswer(flash, IDYES);
        cancelOpenDialog(flash);
        expectErrorBoxAndClose(flash);
    }
    EXPECT_EQ(typedText(), L"");
}

TEST_F(BootloaderModeTest, WithoutAWorkFolderAndAChosenImageEveryFlashEndsInItsErrorBox) {
    for (const Flash& flash : kFlashes) {
        removeFromWorkFolder(flash.image);
    }
    removeFromWorkFolder(L"update.zip");
    if (!RemoveDirectoryW(kWorkFolder) && GetLastError() != ERROR_FILE_NOT_FOUND) {
        GTEST_SKIP() << "C:\\ADB holds other files; not removed";
    }
    for (const Flash& flash : kFlashes) {
        SCOPED_TRACE(utf8(flash.item));
        startFlashAndAnswer(flash, IDYES);
        cancelOpenDialog(flash);
        expectErrorBoxAndClose(flash);
    }
    EXPECT_EQ(typedText(), L"");
}

// Another program posts the Start button's command while the confirmation is
// open: it must not start a second flash inside the first.
TEST_F(BootloaderModeTest, AStartPostedWhileTheConfirmationIsOpenStartsNothing) {
    const Flash& flash = kFlashes.back();
    const WorkFolderEntry image(flash.image, flash.validContent());
    startBootloaderItem(flash.item);
    ProgramDialog confirmation = waitForDialog();
    PostMessageW(window().handle(), WM_COMMAND, MAKEWPARAM(kStartButton, BN_CLICKED),
                 reinterpret_cast<LPARAM>(window().control(kStartButton)));
    window().settle();
    confirmation.press(IDYES);
    window().settle();
    EXPECT_FALSE(dialogOpen());
    EXPECT_EQ(typedText(), enteredLine(flash.line));
}

TEST_F(BootloaderModeTest, ATextThatIsNoItemRunsNothing) {
    for (const wchar_t* nearMiss : {L"重启 ", L"oem解锁", L"刷入boot"}) {
        SCOPED_TRACE(utf8(nearMiss));
        startBootloaderItem(nearMiss);
        EXPECT_FALSE(dialogOpen());
        EXPECT_EQ(statusText(), kEarlierStatus);
    }
    EXPECT_EQ(typedText(), L"");
}

// A custom recovery is started once from the image the user chose, wherever it is.
TEST_F(BootloaderModeTest, TemporaryBootStartsTheBootImageChosenInTheOpenDialog) {
    const FileElsewhere image(L"C:\\下载 文件", L"twrp-3.7.0.img", bootImage());
    startBootloaderItem(L"临时启动");
    expectOpenDialog(L"选择要临时启动的镜像").chooseFile(image.path());
    EXPECT_EQ(typedText(), enteredLine(L"fastboot boot \"" + image.path() + L"\""));
}

TEST_F(BootloaderModeTest, SwitchingTheSlotIsTypedOnlyWhenItsWarningIsAnsweredYes) {
    for (const int answer : {IDNO, IDYES}) {
        startBootloaderItem(L"切换槽位");
        ProgramDialog warning = waitForDialog();
        EXPECT_EQ(warning.title(), L"警告");
        EXPECT_EQ(warning.defaultButton(), IDNO);
        warning.press(answer);
        EXPECT_EQ(typedText(), answer == IDYES ? enteredLine(L"fastboot set_active other") : L"");
    }
}

// A ROM unpacked to a plain path: its script that keeps the data runs, once
// confirmed, in a child cmd from C:\ADB, where fastboot is.
TEST_F(BootloaderModeTest, AFlashScriptThatKeepsTheDataRunsInAChildCmdOnceConfirmed) {
    const WorkFolderTools tools;
    const FileElsewhere script(
        L"C:\\venus_global", L"flash_all_except_storage.bat",
        "fastboot %* getvar product 2>&1 | findstr /r /c:\"^product: *venus\" || exit /B 1\r\n"
        "fastboot %* flash boot %~dp0images\\boot.img || @echo \"Flash boot error\" && exit 1\r\n");
    const FileElsewhere image(L"C:\\venus_global\\images", L"boot.img", bootImage());
    startBootloaderItem(L"线刷");
    expectOpenDialog(L"选择线刷包里的刷机脚本").chooseFile(script.path());
    ProgramDialog confirmation = waitForDialog();
    EXPECT_EQ(confirmation.title(), L"提示");
    EXPECT_NE(confirmation.messageText().find(L"适用机型：venus"), std::wstring::npos);
    confirmation.press(IDYES);
    EXPECT_EQ(typedText(), enteredLine(L"cmd /d /c \"cd /d C:\\ADB&&" + script.path() + L"\""));
}

}  // namespace
}  // namespace e2e
