// The window's own rules: which option is selected, where the focus goes,
// what the keyboard and dropped files do.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
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

// Drops one name onto the window.
void dropOne(Form& form, std::u16string_view path) {
    const std::vector<std::u16string> paths{std::u16string(path)};
    form.filesDropped(paths);
}

TEST(FileDropTest, OneApkFileSelectsInstallModeAndPutsItsPathInText1) {
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
        f.platform.setEntry(c.dropped, EntryKind::OrdinaryFile);
        f.view.text1 = u"earlier";
        dropOne(f.form, c.dropped);
        EXPECT_EQ(f.view.mode, Mode::Install);
        EXPECT_EQ(f.view.text1, c.text1);
        EXPECT_TRUE(f.platform.posts.empty()) << "nothing is typed before Start";
    }
}

TEST(FileDropTest, AFileNamedWithAPercentOrAQuoteIsRefusedWithItsOwnText) {
    // cmd expands %NAME% inside quotes too, and a quote would end them.
    for (const std::u16string_view path :
         {u"C:\\下载\\50%off.apk", u"C:\\%TEMP%\\a.apk", u"C:\\x\"&calc&\".apk"}) {
        FormFixture f;
        f.platform.setEntry(path, EntryKind::OrdinaryFile);
        f.view.mode = Mode::Transfer;
        dropOne(f.form, path);
        EXPECT_EQ(f.view.mode, Mode::Transfer);
        EXPECT_EQ(f.view.text1, u"文件名含有%或引号，请改名后再拖入");
    }
}

TEST(FileDropTest, AnythingElseOnlySaysWhatToDrop) {
    FormFixture files;
    for (const std::u16string_view file :
         {u"C:\\a.apk", u"C:\\b.apk", u"C:\\notes.txt", u"C:\\apk"}) {
        files.platform.setEntry(file, EntryKind::OrdinaryFile);
    }
    files.platform.setEntry(u"C:\\folder.apk", EntryKind::Directory);
    files.platform.setEntry(u"C:\\hidden.apk", EntryKind::HiddenOrSystem);
    // A forged name that no file can have fails for being missing first.
    const std::vector<std::vector<std::u16string>> drops{{u"C:\\a.apk", u"C:\\b.apk"},
                                                         {u"C:\\notes.txt"},
                                                         {u"C:\\folder.apk"},
                                                         {u"C:\\hidden.apk"},
                                                         {u"C:\\missing.apk"},
                                                         {u"C:\\x\"&calc&\".apk"},
                                                         {u"C:\\apk"},
                                                         {}};
    for (const auto& paths : drops) {
        FormFixture f;
        f.platform.entries = files.platform.entries;
        f.view.mode = Mode::Transfer;
        f.form.filesDropped(paths);
        EXPECT_EQ(f.view.mode, Mode::Transfer);
        EXPECT_EQ(f.view.text1, u"请拖入一个.apk文件");
    }
}

TEST(FileDropTest, ADropWhileABoxOrPromptIsOpenChangesNothing) {
    struct Case {
        const char* what;
        Mode mode;
        std::function<void(FormFixture&)> openDialog;
    };
    const std::vector<Case> cases{
        {"a confirmation box of Start", Mode::Bootloader,
         [](FormFixture& f) { f.pressStart(Mode::Bootloader, u"刷入Boot"); }},
        {"a prompt of a menu item", Mode::Normal,
         [](FormFixture& f) { f.form.clicked(kChangeResolutionItem); }}};
    for (const Case& c : cases) {
        FormFixture f;
        f.platform.setEntry(kPath, EntryKind::OrdinaryFile);
        f.view.mode = c.mode;
        f.view.whileDialogOpen = [&f] { dropOne(f.form, kPath); };
        c.openDialog(f);
        EXPECT_FALSE(f.view.dialogs.empty()) << c.what;
        EXPECT_EQ(f.view.mode, c.mode) << c.what;
        EXPECT_EQ(std::ranges::count(f.view.statusWrites, kPath), 0) << c.what;

        f.view.whileDialogOpen = nullptr;
        dropOne(f.form, kPath);
        EXPECT_EQ(f.view.text1, kPath) << "once the dialog is closed, after " << c.what;
    }
}

// Another program may post a command while a box is open: it must not start
// a second action inside the first, nor type a line before the first's.
TEST(ModalRuleTest, NoCommandStartsWhileABoxPromptOrDialogIsOpen) {
    struct Case {
        const char* what;
        std::function<void(FormFixture&)> openDialog;
    };
    // A message box: the end-to-end case of a posted Start.
    const std::vector<Case> cases{
        {"a prompt", [](FormFixture& f) { f.form.clicked(kChangeResolutionItem); }},
        {"an Open dialog", [](FormFixture& f) { f.pressStart(Mode::Install); }}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FormFixture f;
        std::size_t dialogsAfterClicks = 0;
        f.view.whileDialogOpen = [&f, &dialogsAfterClicks] {
            f.view.whileDialogOpen = nullptr;
            for (const int id : {int{kStartButton}, int{kShowDensityItem}, int{kOpenConsoleButton},
                                 int{kPhoneStatusBar}, int{kTransferModeOption}}) {
                f.form.clicked(id);
            }
            dialogsAfterClicks = f.view.dialogs.size();
        };
        c.openDialog(f);
        EXPECT_EQ(dialogsAfterClicks, 1u);
        EXPECT_EQ(utf8(f.platform.typed()).find("density"), std::string::npos);
        EXPECT_EQ(f.platform.consoleStartCount, 0);
        EXPECT_NE(f.view.mode, Mode::Transfer);
    }
}

}  // namespace
}  // namespace vantrel::testing
