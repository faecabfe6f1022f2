// Windows Terminal hosts the command prompts that the user opens on Windows
// 11; they have no console window to type into. With such a window shown and
// no console found, the program offers to open a console, and types nothing.
#include <optional>
#include <string>

#include "driver/ConsoleStartingTest.h"
#include "driver/DriverOptions.h"
#include "driver/OtherWindow.h"

namespace e2e {
namespace {

using namespace vantrel;

constexpr wchar_t kTerminalClass[] = L"CASCADIA_HOSTING_WINDOW_CLASS";
constexpr wchar_t kQuestion[] =
    L"Windows终端里的命令窗口不能接收Vantrel的输入。\r\n现在打开一个cmd窗口吗？";
constexpr wchar_t kApkPath[] = L"C:\\ADB\\Magisk.apk";

class WindowsTerminalTest : public ConsoleStartingTest {
  protected:
    void SetUp() override {
        ConsoleStartingTest::SetUp();
        launch(vantrelPath());
        closeAllConsoles();
        terminal_.emplace(kTerminalClass);
    }

    // The question: owned by the main window, Yes and No, the question icon.
    // It is answered with the button.
    void answerQuestion(int button) {
        expectMessageBox(L"提示", kQuestion, {IDYES, IDNO}, StandardIcon::Question).press(button);
        window().settle();
        EXPECT_FALSE(dialogOpen());
    }

    void startInstall() {
        selectMode(kInstallModeOption);
        window().typeText(kStatusBox, kApkPath);
        pressStart();
    }

    std::optional<OtherWindow> terminal_;
};

TEST_F(WindowsTerminalTest, YesOpensAConsoleAndNothingIsTyped) {
    startNormalItem(L"手机重启");
    EXPECT_EQ(statusText(), L"未找到cmd窗口");
    answerQuestion(IDYES);
    waitForConsoles(1);
    EXPECT_EQ(interpreters_.started().size(), 1u);
    EXPECT_EQ(statusText(), L"") << "as 打开cmd leaves it";
}

TEST_F(WindowsTerminalTest, NoOpensNothing) {
    startNormalItem(L"手机重启");
    answerQuestion(IDNO);
    EXPECT_TRUE(interpreters_.started().empty());
    EXPECT_EQ(statusText(), L"未找到cmd窗口");
}

TEST_F(WindowsTerminalTest, InInstallModeTheQuestionTakesTheNoticesPlaceAndThePathStays) {
    startInstall();
    answerQuestion(IDNO);
    EXPECT_EQ(statusText(), kApkPath);
    startInstall();
    answerQuestion(IDYES);
    waitForConsoles(1);
    EXPECT_EQ(interpreters_.started().size(), 1u);
    EXPECT_EQ(statusText(), kApkPath);
}

}  // namespace
}  // namespace e2e
