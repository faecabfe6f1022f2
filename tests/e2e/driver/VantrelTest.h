#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "driver/MainWindow.h"
#include "driver/ProgramDialog.h"
#include "driver/ProgramProcess.h"
#include "driver/RecordingConsole.h"
#include "ports/ControlIds.h"

namespace e2e {

// Every check starts a fresh vantrel.exe (without auto-start marker) and one
// visible recording console first in Z order; both go away when the check ends.
class VantrelTest : public ::testing::Test {
  protected:
    // What an earlier action left in Text1: an action that runs must empty it.
    static constexpr wchar_t kEarlierStatus[] = L"上一个状态";

    void SetUp() override;
    void TearDown() override;
    // Opens the recording console and starts the program; SetUp does this
    // for the usual case, fixtures that prepare more call it themselves.
    void launch(const std::wstring& exePath, const std::wstring& workingDirectory = {});

    MainWindow& window() { return *window_; }
    RecordingConsole& console();  // the first one opened
    RecordingConsole& openAnotherConsole(
        RecordingConsole::Form form = RecordingConsole::Form::Visible);
    void closeAllConsoles() { consoles_.clear(); }

    // User steps. Each waits until the program has handled it, or, when it
    // opens a dialog, until the dialog is up.
    void selectMode(int optionId);
    // Picks the list item with this text, or types the text when it is none.
    void chooseListText(int comboId, std::wstring_view text);
    void pressStart();
    void chooseMenuItem(int id);
    // Chooses the mode and the list text, leaves kEarlierStatus in Text1, then presses Start.
    void startItem(int optionId, int comboId, std::wstring_view itemText);
    void startNormalItem(std::wstring_view itemText) {
        startItem(vantrel::kNormalModeOption, vantrel::kNormalActionList, itemText);
    }

    ProgramDialog waitForDialog() { return ProgramDialog::waitFor(window().threadId()); }
    bool dialogOpen() { return ProgramDialog::findOpen(window().threadId()) != nullptr; }
    // Answers the open input box with this text (OK), or cancels it.
    void answerInputBox(std::wstring_view answer);
    void cancelInputBox();
    void acceptInputBoxDefault();

    // Waits for a message box of the program and checks it: owned by the main
    // window, with this title and text, of the standard buttons (OK, Cancel,
    // Yes, No) exactly these, and this icon. It is left open, to be answered.
    ProgramDialog expectMessageBox(std::wstring_view title, std::wstring_view text,
                                   std::initializer_list<int> buttons, StandardIcon icon);

    // The system's Open dialog must be up, owned by the main window, with this
    // title. It is left open, to be answered.
    ProgramDialog expectOpenDialog(std::wstring_view title);

    // The two boxes of a guarded file action. The confirmation ("提示", Yes and
    // No, information icon, owned by the main window) must be up; it is
    // answered with the button.
    void answerConfirmation(std::wstring_view instruction, int answer);
    // The error box ("错误提示", OK and Cancel, error icon) must be up; it is
    // closed with the button, and nothing is asked again.
    void closeErrorBox(std::wstring_view error, int button);

    // Everything the console received, once the program has finished what it was asked.
    std::wstring typedText();
    std::wstring statusText() { return window().text(vantrel::kStatusBox); }

  private:
    std::unique_ptr<ProgramProcess> program_;
    std::optional<MainWindow> window_;
    std::vector<std::unique_ptr<RecordingConsole>> consoles_;
};

// An input box as the program shows it.
struct InputBoxTexts {
    std::wstring title;
    std::wstring prompt;
    std::wstring answer;

    bool operator==(const InputBoxTexts&) const = default;
};
InputBoxTexts readInputBox(const ProgramDialog& dialog);
void PrintTo(const InputBoxTexts& texts, std::ostream* out);

}  // namespace e2e
