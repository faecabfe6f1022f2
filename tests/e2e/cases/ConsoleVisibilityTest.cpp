// Which console receives a line: the first one in Z order that the user can
// see. Hidden console windows, which other programs make all the time, are
// skipped; a minimized console is still there for the user and counts.
#include "driver/VantrelTest.h"

namespace e2e {
namespace {

using namespace vantrel;

using Form = RecordingConsole::Form;

class ConsoleVisibilityTest : public VantrelTest {
  protected:
    void SetUp() override {
        VantrelTest::SetUp();
        closeAllConsoles();  // each check opens its own, in the Z order it needs
    }
};

TEST_F(ConsoleVisibilityTest, AHiddenConsoleInFrontIsSkippedForTheVisibleOneBehindIt) {
    RecordingConsole& visible = openAnotherConsole(Form::Visible);
    RecordingConsole& hidden = openAnotherConsole(Form::Hidden);
    ASSERT_EQ(firstConsoleInZOrder(), hidden.handle());
    startNormalItem(L"手机重启");
    chooseMenuItem(kAdbHelpItem);
    EXPECT_EQ(visible.receivedText(), L"adb shell reboot\radb help\r");
    EXPECT_EQ(hidden.receivedText(), L"");
    EXPECT_EQ(statusText(), L"");
}

TEST_F(ConsoleVisibilityTest, AMinimizedConsoleInFrontReceivesTheLine) {
    RecordingConsole& visible = openAnotherConsole(Form::Visible);
    RecordingConsole& minimized = openAnotherConsole(Form::Minimized);
    ASSERT_EQ(firstConsoleInZOrder(), minimized.handle());
    ASSERT_TRUE(IsIconic(minimized.handle()));
    startNormalItem(L"手机重启");
    EXPECT_EQ(minimized.receivedText(), L"adb shell reboot\r");
    EXPECT_EQ(visible.receivedText(), L"");
    EXPECT_EQ(statusText(), L"");
}

TEST_F(ConsoleVisibilityTest, WithOnlyHiddenConsolesNothingIsPostedAndText1SaysNoConsole) {
    RecordingConsole& behind = openAnotherConsole(Form::Hidden);
    RecordingConsole& front = openAnotherConsole(Form::Hidden);
    startNormalItem(L"手机重启");
    EXPECT_EQ(statusText(), L"未找到cmd窗口");
    EXPECT_FALSE(dialogOpen());
    EXPECT_EQ(front.receivedText(), L"");
    EXPECT_EQ(behind.receivedText(), L"");
    EXPECT_TRUE(window().answers());
}

}  // namespace
}  // namespace e2e
