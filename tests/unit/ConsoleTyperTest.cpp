#include <gtest/gtest.h>

#include "Fakes.h"
#include "console/ConsoleTyper.h"

namespace vantrel::testing {
namespace {

class ConsoleTyperTest : public ::testing::Test {
  protected:
    FakePlatform platform;
    ConsoleTyper typer{platform};
};

TEST_F(ConsoleTyperTest, TypesEachCodeUnitThenOneCarriageReturnToOneWindow) {
    EXPECT_EQ(typer.TypeIntoConsole(u"adb help"), TypingOutcome::Typed);

    const std::vector<char16_t> expected{97, 100, 98, 32, 104, 101, 108, 112, 13};
    ASSERT_EQ(platform.posts.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(platform.posts[i], (Post{0x1234, expected[i]})) << "post " << i;
    }
    EXPECT_EQ(typer.typingPosition(), 9);
    EXPECT_EQ(typer.pendingCommand(), u"adb help");
    EXPECT_EQ(typer.consoleWindow(), 0x1234u);
}

TEST_F(ConsoleTyperTest, EmptyLinePostsOnlyTheEnter) {
    typer.TypeIntoConsole(u"");
    EXPECT_EQ(platform.typed(), u"\r");
    EXPECT_EQ(typer.typingPosition(), 1);
}

TEST_F(ConsoleTyperTest, ChineseAndSurrogatePairsArePostedAsSeparateCodeUnits) {
    typer.TypeIntoConsole(u"中😀");
    // 中 is one unit; the emoji is a surrogate pair, posted half by half.
    EXPECT_EQ(platform.typed(), std::u16string({0x4E2D, 0xD83D, 0xDE00, 13}));
    EXPECT_EQ(typer.typingPosition(), 4);
}

TEST_F(ConsoleTyperTest, NeverPostsALineFeed) {
    typer.TypeIntoConsole(u"adb devices");
    EXPECT_EQ(platform.typed().find(u'\n'), std::u16string::npos);
    EXPECT_EQ(platform.typed().back(), u'\r');
}

TEST_F(ConsoleTyperTest, NoConsolePostsNothing) {
    platform.console = 0;
    EXPECT_EQ(typer.TypeIntoConsole(u"adb help"), TypingOutcome::NoConsole);
    EXPECT_TRUE(platform.posts.empty());
    EXPECT_EQ(typer.consoleWindow(), 0u);
}

TEST_F(ConsoleTyperTest, FailedPostEndsTheLineWithoutTheEnter) {
    platform.failPostAt = 3;
    EXPECT_EQ(typer.TypeIntoConsole(u"adb shell reboot"), TypingOutcome::Interrupted);
    EXPECT_EQ(platform.typed(), u"adb");
}

TEST_F(ConsoleTyperTest, FailedEnterIsReportedAsInterrupted) {
    platform.failPostAt = 4;
    EXPECT_EQ(typer.TypeIntoConsole(u"adb "), TypingOutcome::Interrupted);
    EXPECT_EQ(platform.typed(), u"adb ");
}

TEST_F(ConsoleTyperTest, SearchesForTheConsoleAgainOnEveryCall) {
    typer.TypeIntoConsole(u"a");
    platform.console = 0x5678;
    typer.TypeIntoConsole(u"b");
    EXPECT_EQ(platform.posts,
              (std::vector<Post>{{0x1234, u'a'}, {0x1234, 13}, {0x5678, u'b'}, {0x5678, 13}}));
}

}  // namespace
}  // namespace vantrel::testing
