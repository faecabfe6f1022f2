// The window's own rules: which option is selected, where the focus goes,
// what the keyboard and dropped files do.
#include <gtest/gtest.h>

#include <vector>

#include "Fakes.h"
#include "app/WindowLayout.h"

namespace vantrel::testing {
namespace {

constexpr std::u16string_view kPath = u"C:\\ADB\\X-llq.apk";

TEST(StartUpTest, ShowsTheWindowThenSelectsAndFocusesNormalModeWithoutAClick) {
    FormFixture f;
    f.view.mode = std::nullopt;
    f.form.start();
    EXPECT_TRUE(f.view.shown);
    EXPECT_EQ(f.view.mode, Mode::Normal);
    EXPECT_EQ(f.view.focused, kNormalModeOption);
    EXPECT_TRUE(f.view.statusWrites.empty());
    EXPECT_EQ(f.platform.consoleStartCount, 0);
}

TEST(OptionGroupTest, AClickSelectsThatModeAloneAndEmptiesText1) {
    for (const Mode mode : {Mode::Transfer, Mode::Normal, Mode::Install, Mode::Install}) {
        FormFixture f;
        f.view.text1 = kPath;
        f.form.clicked(optionOf(mode));
        EXPECT_EQ(f.view.mode, mode);
        EXPECT_EQ(f.view.text1, u"");
        EXPECT_TRUE(f.platform.posts.empty());
    }
}

TEST(WindowClickTest, AClickOnTheFreeAreaEmptiesText1AndKeepsTheMode) {
    FormFixture f;
    f.view.mode = Mode::Install;
    f.view.text1 = kPath;
    f.form.freeAreaClicked();
    EXPECT_EQ(f.view.text1, u"");
    EXPECT_EQ(f.view.mode, Mode::Install);
}

TEST(OptionGroupTest, KeyboardFocusOnAnUnselectedOptionSelectsItAsAClick) {
    FormFixture f;
    f.view.text1 = kPath;
    f.form.focusArrived(kInstallModeOption, true);
    EXPECT_EQ(f.view.mode, Mode::Normal) << "a mouse press selects on its click";
    EXPECT_EQ(f.view.text1, kPath);

    f.form.focusArrived(kNormalModeOption, false);
    EXPECT_EQ(f.view.text1, kPath) << "the selected option keeps Text1";

    f.form.focusArrived(kTransferModeOption, false);
    EXPECT_EQ(f.view.mode, Mode::Transfer);
    EXPECT_EQ(f.view.text1, u"");

    f.view.text1 = kPath;
    f.form.focusArrived(kStatusBox, false);
    EXPECT_EQ(f.view.text1, kPath);
}

TEST(OptionGroupTest, ArrowKeysMoveTheSelectionAndFocusAroundTheRowsAsClicks) {
    struct Step {
        ArrowKey key;
        Mode expected;
    };
    const std::vector<Step> steps{
        {ArrowKey::Down, Mode::Bootloader}, {ArrowKey::Right, Mode::Transfer},
        {ArrowKey::Down, Mode::Install},    {ArrowKey::Right, Mode::Normal},
        {ArrowKey::Up, Mode::Install},      {ArrowKey::Left, Mode::Transfer},
        {ArrowKey::Left, Mode::Bootloader}, {ArrowKey::Up, Mode::Normal},
        {ArrowKey::Left, Mode::Install}};
    FormFixture f;
    ControlId focused = kNormalModeOption;
    for (const Step& step : steps) {
        f.view.text1 = kPath;
        EXPECT_TRUE(f.form.arrowKeyPressed(focused, step.key));
        EXPECT_EQ(f.view.mode, step.expected);
        ASSERT_TRUE(f.view.focused);
        EXPECT_EQ(*f.view.focused, optionOf(step.expected));
        EXPECT_EQ(f.view.text1, u"");
        focused = *f.view.focused;
    }
}

TEST(OptionGroupTest, ArrowKeysElsewhereAreLeftToTheControl) {
    FormFixture f;
    f.view.text1 = kPath;
    for (const int id : {int{kNormalActionList}, int{kStatusBox}, int{kStartButton}}) {
        EXPECT_FALSE(f.form.arrowKeyPressed(id, ArrowKey::Down));
    }
    EXPECT_EQ(f.view.mode, Mode::Normal);
    EXPECT_EQ(f.view.text1, kPath);
}

TEST(ReactivationTest, TheFocusReturnsUnlessAnUnselectedOptionHadIt) {
    FormFixture f;
    f.view.mode = Mode::Install;
    EXPECT_EQ(f.form.focusInsteadOnReactivation(kStatusBox), std::nullopt);
    EXPECT_EQ(f.form.focusInsteadOnReactivation(kInstallModeOption), std::nullopt);
    EXPECT_EQ(f.form.focusInsteadOnReactivation(kBootloaderModeOption), kInstallModeOption);
}

TEST(WindowClickTest, EnterEscAndControlsWithoutACommandDoNothing) {
    FormFixture f;
    f.view.text1 = kPath;
    constexpr int kEnter = 1;
    constexpr int kEsc = 2;
    for (const int id : {kEnter, kEsc, int{kNormalActionList}, int{kBootloaderActionList},
                         int{kTransferDirectionList}, int{kStatusBox}, int{kUnusedButton}}) {
        f.form.clicked(id);
    }
    EXPECT_TRUE(f.view.statusWrites.empty());
    EXPECT_TRUE(f.view.dialogs.empty());
    EXPECT_TRUE(f.platform.posts.empty());
    EXPECT_EQ(f.view.mode, Mode::Normal);
}

TEST(FileDropTest, OneApkSelectsInstallModeAndPutsItsPathInText1) {
    struct Case {
        std::u16string dropped;
        std::u16string text1;
    };
    const std::vector<Case> cases{{u"C:\\ADB\\Magisk.apk", u"C:\\ADB\\Magisk.apk"},
                                  {u"D:\\下载\\X浏览器.APK", u"D:\\下载\\X浏览器.APK"},
                                  {u"C:\\My Apps\\a.Apk", u"\"C:\\My Apps\\a.Apk\""},
                                  {u"C:\\Tom&Jerry\\t.apk", u"\"C:\\Tom&Jerry\\t.apk\""}};
    for (const Case& c : cases) {
        FormFixture f;
        f.view.text1 = u"earlier";
        const std::vector<std::u16string> paths{c.dropped};
        f.form.filesDropped(paths);
        EXPECT_EQ(f.view.mode, Mode::Install);
        EXPECT_EQ(f.view.text1, c.text1);
        EXPECT_TRUE(f.platform.posts.empty()) << "nothing is typed before Start";
    }
}

TEST(FileDropTest, AnythingElseOnlySaysWhatToDrop) {
    const std::vector<std::vector<std::u16string>> drops{
        {u"C:\\a.apk", u"C:\\b.apk"}, {u"C:\\notes.txt"}, {u"C:\\folder.apk"}, {u"C:\\apk"}, {}};
    for (const auto& paths : drops) {
        FormFixture f;
        f.platform.setEntry(u"C:\\folder.apk", EntryKind::Directory);
        f.view.mode = Mode::Transfer;
        f.form.filesDropped(paths);
        EXPECT_EQ(f.view.mode, Mode::Transfer);
        EXPECT_EQ(f.view.text1, u"请拖入一个.apk文件");
    }
}

}  // namespace
}  // namespace vantrel::testing
