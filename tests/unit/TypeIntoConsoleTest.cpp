#include <gtest/gtest.h>

#include "Fakes.h"
#include "actions/TypeIntoConsole.h"

namespace vantrel::testing {
namespace {

class TypeIntoConsoleTest : public ::testing::Test {
  protected:
    TypingOutcome type(std::u16string_view line) { return TypeIntoConsole(platform, line); }

    FakePlatform platform;
};

TEST_F(TypeIntoConsoleTest, TypesEachCodeUnitThenOneCarriageReturnToOneWindow) {
    EXPECT_EQ(type(u"adb help"), TypingOutcome::Typed);

    const std::vector<char16_t> expected{97, 100, 98, 32, 104, 101, 108, 112, 13};
    ASSERT_EQ(platform.posts.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(platform.posts[i], (Post{0x1234, expected[i]})) << "post " << i;
    }
}

TEST_F(TypeIntoConsoleTest, EmptyLinePostsOnlyTheEnter) {
    type(u"");
    EXPECT_EQ(platform.typed(), u"\r");
}

TEST_F(TypeIntoConsoleTest, ChineseAndSurrogatePairsArePostedAsSeparateCodeUnits) {
    type(u"中😀");
    // 中 is one unit; the emoji is a surrogate pair, posted half by half.
    EXPECT_EQ(platform.typed(), std::u16string({0x4E2D, 0xD83D, 0xDE00, 13}));
}

TEST_F(TypeIntoConsoleTest, NeverPostsALineFeed) {
    type(u"adb devices");
    EXPECT_EQ(platform.typed().find(u'\n'), std::u16string::npos);
    EXPECT_EQ(platform.typed().back(), u'\r');
}

TEST_F(TypeIntoConsoleTest, NoConsolePostsNothing) {
    platform.consoles.clear();
    EXPECT_EQ(type(u"adb help"), TypingOutcome::NoConsole);
    EXPECT_TRUE(platform.posts.empty());
}

TEST_F(TypeIntoConsoleTest, OnlyAVisibleConsoleReceivesTheLine) {
    // Hidden consoles first in Z order are skipped; a minimized one counts as visible.
    platform.consoles = {{0x1111, false}, {0x2222, false}, {0x3333, true}, {0x4444, true}};
    EXPECT_EQ(type(u"a"), TypingOutcome::Typed);
    EXPECT_EQ(platform.posts, (std::vector<Post>{{0x3333, u'a'}, {0x3333, 13}}));

    platform.posts.clear();
    platform.consoles = {{0x1111, false}, {0x2222, false}};
    EXPECT_EQ(type(u"adb reboot"), TypingOutcome::NoConsole);
    EXPECT_TRUE(platform.posts.empty());
}

TEST_F(TypeIntoConsoleTest, FailedPostEndsTheLineWithoutTheEnter) {
    platform.failPostAt = 3;
    EXPECT_EQ(type(u"adb shell reboot"), TypingOutcome::Interrupted);
    EXPECT_EQ(platform.typed(), u"adb");
}

TEST_F(TypeIntoConsoleTest, FailedEnterIsReportedAsInterrupted) {
    platform.failPostAt = 4;
    EXPECT_EQ(type(u"adb "), TypingOutcome::Interrupted);
    EXPECT_EQ(platform.typed(), u"adb ");
}

TEST_F(TypeIntoConsoleTest, AConsoleThatRefusesTheFirstCharacterRunsWithHigherRights) {
    platform.failure = PostResult::Refused;
    platform.failPostAt = 0;
    EXPECT_EQ(type(u"adb devices"), TypingOutcome::Refused);
    EXPECT_TRUE(platform.posts.empty()) << "nothing more is posted after the refusal";

    platform.failPostAt = 0;
    EXPECT_EQ(type(u""), TypingOutcome::Refused) << "the Enter alone is refused";
}

TEST_F(TypeIntoConsoleTest, ARefusalLaterInTheLineIsAnInterruption) {
    platform.failure = PostResult::Refused;
    platform.failPostAt = 2;
    EXPECT_EQ(type(u"adb devices"), TypingOutcome::Interrupted);
    EXPECT_EQ(platform.typed(), u"ad");
}

TEST_F(TypeIntoConsoleTest, SearchesForTheConsoleAgainOnEveryCall) {
    type(u"a");
    platform.consoles = {{0x5678, true}};
    type(u"b");
    EXPECT_EQ(platform.posts,
              (std::vector<Post>{{0x1234, u'a'}, {0x1234, 13}, {0x5678, u'b'}, {0x5678, 13}}));
}

}  // namespace
}  // namespace vantrel::testing
