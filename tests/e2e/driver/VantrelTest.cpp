#include "driver/VantrelTest.h"

#include <algorithm>
#include <stdexcept>

#include "driver/DriverOptions.h"
#include "driver/Units.h"
#include "driver/WorkFolder.h"

namespace e2e {

void VantrelTest::SetUp() {
    removeAutoStartMarker();
    launch(vantrelPath());
}

void VantrelTest::launch(const std::wstring& exePath, const std::wstring& workingDirectory) {
    consoles_.push_back(std::make_unique<RecordingConsole>());
    program_ = std::make_unique<ProgramProcess>(exePath, workingDirectory);
    window_.emplace(program_->mainWindow());
    window_->settle();
}

void VantrelTest::TearDown() {
    window_.reset();
    program_.reset();
    consoles_.clear();
}

RecordingConsole& VantrelTest::console() {
    if (consoles_.empty()) {
        throw std::logic_error("no recording console is open");
    }
    return *consoles_.front();
}

RecordingConsole& VantrelTest::openAnotherConsole(RecordingConsole::Form form) {
    consoles_.push_back(std::make_unique<RecordingConsole>(form));
    return *consoles_.back();
}

void VantrelTest::selectMode(int optionId) {
    window().click(optionId);
    window().settle();
}

void VantrelTest::chooseListText(int comboId, std::wstring_view text) {
    const auto items = window().listItems(comboId);
    const auto item = std::ranges::find(items, text);
    if (item != items.end()) {
        window().pickListItem(comboId, static_cast<int>(item - items.begin()));
    } else {
        window().typeText(comboId, text);
    }
    window().settle();
}

void VantrelTest::pressStart() {
    window().click(vantrel::kStartButton);
    window().settle();
}

void VantrelTest::chooseMenuItem(int id) {
    window().chooseMenuItem(id);
    window().settle();
}

void VantrelTest::startItem(int optionId, int comboId, std::wstring_view itemText) {
    selectMode(optionId);
    chooseListText(comboId, itemText);
    window().typeText(vantrel::kStatusBox, kEarlierStatus);
    pressStart();
}

void VantrelTest::answerInputBox(std::wstring_view answer) {
    ProgramDialog dialog = waitForDialog();
    dialog.setAnswer(answer);
    dialog.press(IDOK);
    window().settle();
}

void VantrelTest::cancelInputBox() {
    waitForDialog().press(IDCANCEL);
    window().settle();
}

void VantrelTest::acceptInputBoxDefault() {
    waitForDialog().press(IDOK);
    window().settle();
}

ProgramDialog VantrelTest::expectMessageBox(std::wstring_view title, std::wstring_view text,
                                            std::initializer_list<int> buttons, StandardIcon icon) {
    ProgramDialog box = waitForDialog();
    EXPECT_EQ(box.title(), title);
    EXPECT_EQ(box.messageText(), text);
    for (const int button : {IDOK, IDCANCEL, IDYES, IDNO}) {
        EXPECT_EQ(box.hasButton(button), std::ranges::find(buttons, button) != buttons.end())
            << "button " << button;
    }
    EXPECT_EQ(box.owner(), window().handle());
    EXPECT_STREQ(nameOf(box.icon()), nameOf(icon));
    return box;
}

ProgramDialog VantrelTest::expectOpenDialog(std::wstring_view title) {
    ProgramDialog dialog = waitForDialog();
    EXPECT_EQ(dialog.title(), title);
    EXPECT_EQ(dialog.owner(), window().handle());
    return dialog;
}

void VantrelTest::answerConfirmation(std::wstring_view instruction, int answer) {
    ProgramDialog confirmation =
        expectMessageBox(L"提示", instruction, {IDYES, IDNO}, StandardIcon::Information);
    EXPECT_EQ(statusText(), L"");
    confirmation.press(answer);
    window().settle();
}

void VantrelTest::closeErrorBox(std::wstring_view error, int button) {
    ProgramDialog box = expectMessageBox(L"错误提示", error, {IDOK, IDCANCEL}, StandardIcon::Error);
    box.press(button);
    window().settle();
    EXPECT_FALSE(dialogOpen()) << "the confirmation is not asked again";
}

std::wstring VantrelTest::typedText() {
    window().settle();
    return console().receivedText();
}

InputBoxTexts readInputBox(const ProgramDialog& dialog) {
    return {dialog.title(), dialog.prompt(), dialog.answer()};
}

void PrintTo(const InputBoxTexts& texts, std::ostream* out) {
    *out << "{title \"" << utf8(texts.title) << "\", prompt \"" << utf8(texts.prompt)
         << "\", answer \"" << utf8(texts.answer) << "\"}";
}

}  // namespace e2e
