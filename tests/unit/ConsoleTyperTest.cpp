#include <gtest/gtest.h>

#include "Fakes.h"
#include "actions/ConsoleTyper.h"

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
    platform.consoles.clear();
    EXPECT_EQ(typer.TypeIntoConsole(u"adb help"), TypingOutcome::NoConsole);
    EXPECT_TRUE(platform.posts.empty());
    EXPECT_EQ(typer.consoleWindow(), 0u);
}

TEST_F(ConsoleTyperTest, OnlyAVisibleConsoleReceivesTheLine) {
    // Hidden consoles first in Z order are skipped; a minimized one counts as visible.
    platform.consoles = {{0x1111, false}, {0x2222, false}, {0x3333, true}, {0x4444, true}};
    EXPECT_EQ(typer.TypeIntoConsole(u"a"), TypingOutcome::Typed);
    EXPECT_EQ(platform.posts, (std::vector<Post>{{0x3333, u'a'}, {0x3333, 13}}));

    platform.posts.clear();
    platform.consoles = {{0x1111, false}, {0x2222, false}};
    EXPECT_EQ(typer.TypeIntoConsole(u"adb reboot"), TypingOutcome::NoConsole);
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

TEST_F(ConsoleTyperTest, AConsoleThatRefusesTheFirstCharacterRunsWithHigherRights) {
    platform.failure = PostResult::Refused;
    platform.failPostAt = 0;
    EXPECT_EQ(typer.TypeIntoConsole(u"adb devices"), TypingOutcome::Refused);
    EXPECT_TRUE(platform.posts.empty()) << "nothing more is posted after the refusal";

    platform.failPostAt = 0;
    EXPECT_EQ(typer.TypeIntoConsole(u""), TypingOutcome::Refused) << "the Enter alone is refused";
}

TEST_F(ConsoleTyperTest, ARefusalLaterInTheLineIsAnInterruption) {
    platform.failure = PostResult::Refused;
    platform.failPostAt = 2;
    EXPECT_EQ(typer.TypeIntoConsole(u"adb devices"), TypingOutcome::Interrupted);
    EXPECT_EQ(platform.typed(), u"ad");
}

TEST_F(ConsoleTyperTest, SearchesForTheConsoleAgainOnEveryCall) {
    typer.TypeIntoConsole(u"a");
    platform.consoles = {{0x5678, true}};
    typer.TypeIntoConsole(u"b");
    EXPECT_EQ(platform.posts,
              (std::vector<Post>{{0x1234, u'a'}, {0x1234, 13}, {0x5678, u'b'}, {0x5678, 13}}));
}

}  // namespace
}  // namespace vantrel::testing
