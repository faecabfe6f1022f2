// Start in transfer mode (push and pull with two input boxes) and in install
// mode (the path in Text1, which a failure to type it never loses, or the
// APK chosen in an Open dialog when Text1 is empty).
#include <string>

#include "driver/FileWriting.h"
#include "driver/VantrelTest.h"

namespace e2e {
namespace {

using namespace vantrel;

constexpr wchar_t kTransferStatus[] = L"传输中勿关黑窗口。";

class TransferTest : public VantrelTest {
  protected:
    void startTransfer(std::wstring_view direction) {
        startItem(kTransferModeOption, kTransferDirectionList, direction);
    }
};

TEST_F(TransferTest, PushAsksSourceThenDestinationAndTypesTheDefaults) {
    startTransfer(L"从电脑到手机");
    EXPECT_EQ(readInputBox(waitForDialog()),
              (InputBoxTexts{
                  L"提醒",
                  L"请输入电脑上要传输文件的路径，支持文件或者文件夹,路径不能有空格或者特殊字符。",
                  L"C:\\ADB\\adbjz.doc"}));
    acceptInputBoxDefault();
    EXPECT_EQ(readInputBox(waitForDialog()),
              (InputBoxTexts{L"提醒", L"请输入手机上要传输文件的路径,路径不能有空格或者特殊字符。",
                             L"/sdcard"}));
    acceptInputBoxDefault();
    const std::wstring typed = typedText();
    EXPECT_EQ(typed, L"adb push C:\\ADB\\adbjz.doc /sdcard\r");
    EXPECT_EQ(typed.size(), 33u + 1);
    EXPECT_EQ(statusText(), kTransferStatus);
}

TEST_F(TransferTest, PullAsksSourceThenDestinationAndTypesTheDefaults) {
    startTransfer(L"从手机到电脑");
    EXPECT_EQ(readInputBox(waitForDialog()),
              (InputBoxTexts{
                  L"提醒",
                  L"请输入手机上要传输文件的路径，支持文件或者文件夹,路径不能有空格或者特殊字符。",
                  L"/sdcard/test.png"}));
    acceptInputBoxDefault();
    EXPECT_EQ(readInputBox(waitForDialog()),
              (InputBoxTexts{L"提醒", L"请输入电脑上要传输文件的路径,路径不能有空格或者特殊字符。",
                             L"C:\\ADB"}));
    acceptInputBoxDefault();
    EXPECT_EQ(typedText(), L"adb pull /sdcard/test.png C:\\ADB\r");
    EXPECT_EQ(statusText(), kTransferStatus);
}

TEST_F(TransferTest, CancelOnTheFirstBoxStillAsksTheSecondAndTypesNothing) {
    startTransfer(L"从电脑到手机");
    cancelInputBox();
    acceptInputBoxDefault();
    EXPECT_FALSE(dialogOpen());
    EXPECT_EQ(typedText(), L"");
    EXPECT_EQ(statusText(), L"");
}

TEST_F(TransferTest, AnEmptiedSecondBoxTypesNothing) {
    startTransfer(L"从手机到电脑");
    acceptInputBoxDefault();
    answerInputBox(L"");
    EXPECT_EQ(typedText(), L"");
    EXPECT_EQ(statusText(), L"");
}

TEST_F(TransferTest, PathsWithBlanksAreTypedUnchanged) {
    startTransfer(L"从电脑到手机");
    answerInputBox(L"C:\\My Files\\a b.txt");
    answerInputBox(L"/sdcard/x y");
    EXPECT_EQ(typedText(), L"adb push C:\\My Files\\a b.txt /sdcard/x y\r");
}

TEST_F(TransferTest, ATextThatIsNoDirectionRunsNothing) {
    startTransfer(L"从电脑到手机 ");
    EXPECT_FALSE(dialogOpen());
    EXPECT_EQ(statusText(), kEarlierStatus);
}

TEST_F(TransferTest, WithoutAConsoleText1SaysSoInsteadOfTheTransferLine) {
    closeAllConsoles();
    startTransfer(L"从电脑到手机");
    acceptInputBoxDefault();
    acceptInputBoxDefault();
    EXPECT_EQ(statusText(), L"未找到cmd窗口");
}

class InstallModeTest : public VantrelTest {
  protected:
    static constexpr wchar_t kPath[] = L"C:\\ADB\\X-plore.apk";

    void startInstall(std::wstring_view path) {
        selectMode(kInstallModeOption);
        window().typeText(kStatusBox, path);
        pressStart();
    }

    // A warning box owned by the main window, with OK only; Text1 keeps the path meanwhile.
    void expectNoConsoleWarningAndPressOk() {
        ProgramDialog box =
            expectMessageBox(L"提示", L"未找到cmd窗口", {IDOK}, StandardIcon::Warning);
        EXPECT_EQ(statusText(), kPath);
        box.press(IDOK);
        window().settle();
        EXPECT_FALSE(dialogOpen());
    }
};

TEST_F(InstallModeTest, TypesAdbInstallWithText1AndKeepsIt) {
    startInstall(L"C:\\ADB\\Magisk.apk");
    EXPECT_FALSE(dialogOpen());
    EXPECT_EQ(typedText(), L"adb install C:\\ADB\\Magisk.apk\r");
    EXPECT_EQ(statusText(), L"C:\\ADB\\Magisk.apk");
}

TEST_F(InstallModeTest, AnEmptyText1OpensTheDialogAndInstallsTheChosenApk) {
    const FileElsewhere apk(L"C:\\下载 文件", L"应用.apk", "PK\x03\x04");
    startInstall(L"");
    expectOpenDialog(L"选择要安装的APK").chooseFile(apk.path());
    const std::wstring quoted = L"\"" + apk.path() + L"\"";
    EXPECT_EQ(typedText(), L"adb install " + quoted + L"\r");
    EXPECT_EQ(statusText(), quoted);
}

TEST_F(InstallModeTest, RunsWhateverTheListsShow) {
    chooseListText(kNormalActionList, L"无线调试");
    chooseListText(kBootloaderActionList, L"OEM解锁");
    startInstall(L"D:\\应用 1.apk");
    EXPECT_FALSE(dialogOpen());
    EXPECT_EQ(typedText(), L"adb install D:\\应用 1.apk\r");
}

// The line cannot be typed: a warning says so, and the path stays for another try.
TEST_F(InstallModeTest, WithoutAConsoleAWarningSaysSoAndText1KeepsThePath) {
    closeAllConsoles();
    startInstall(kPath);
    expectNoConsoleWarningAndPressOk();
    EXPECT_EQ(statusText(), kPath);
}

TEST_F(InstallModeTest, WithOnlyAHiddenConsoleTheSameWarningShowsAndNothingIsTyped) {
    closeAllConsoles();
    RecordingConsole& hidden = openAnotherConsole(RecordingConsole::Form::Hidden);
    startInstall(kPath);
    expectNoConsoleWarningAndPressOk();
    EXPECT_EQ(statusText(), kPath);
    EXPECT_EQ(hidden.receivedText(), L"");
}

}  // namespace
}  // namespace e2e
