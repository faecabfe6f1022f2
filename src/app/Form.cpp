#include "app/Form.h"

#include <algorithm>

#include "actions/BoxTitles.h"
#include "actions/CommandTable.h"
#include "actions/ConsoleCommands.h"
#include "actions/RunAction.h"
#include "app/ApkDrop.h"
#include "app/WindowLayout.h"

namespace vantrel {
namespace {

// The options in row order, wrapping around: Down and Right go on, Up and Left back.
Mode neighbour(Mode mode, ArrowKey key) {
    const std::size_t step =
        key == ArrowKey::Down || key == ArrowKey::Right ? 1 : kModes.size() - 1;
    return kModes[(static_cast<std::size_t>(mode) + step) % kModes.size()];
}

// Counts an action, or a box, as running for as long as it lives.
class Running {
  public:
    explicit Running(int& count) : count_(++count) {}
    ~Running() { --count_; }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

  private:
    int& count_;
};

}  // namespace

void Form::start() {
    openConsoleIfAutoStart(session_);
    session_.view.show();
    // Option1 comes first in the tab order and takes the focus, which selects
    // normal mode; the selection made here is no click.
    session_.view.selectMode(Mode::Normal);
    session_.view.focusControl(kNormalModeOption);
}

void Form::clicked(int id) {
    if (actionsRunning_ > 0) {
        return;
    }
    if (const std::optional<Mode> mode = modeOf(id)) {
        // Choosing a mode, also the one already chosen, empties the status box.
        chooseMode(*mode);
        return;
    }
    if (id == kStartButton) {
        startClicked();
        return;
    }
    if (id == kPhoneStatusBar) {
        showPhoneDetails();
        return;
    }
    if (const Command* command = commandForControl(static_cast<ControlId>(id))) {
        run(command->action);
    }
}

void Form::freeAreaClicked() {
    session_.view.setStatusText(u"");
}

void Form::focusArrived(int id, bool byMousePress) {
    const std::optional<Mode> mode = modeOf(id);
    if (mode && !byMousePress && !session_.view.isSelected(*mode)) {
        chooseMode(*mode);
    }
}

bool Form::arrowKeyPressed(int id, ArrowKey key) {
    const std::optional<Mode> mode = modeOf(id);
    if (!mode) {
        return false;
    }
    const Mode next = neighbour(*mode, key);
    chooseMode(next);
    session_.view.focusControl(optionOf(next));
    return true;
}

std::optional<ControlId> Form::focusInsteadOnReactivation(int hadFocus) const {
    // An option that has the focus unselected (a press that never became a
    // click) would choose its mode on getting it back: the selected one gets it.
    if (const std::optional<Mode> mode = modeOf(hadFocus);
        mode && !session_.view.isSelected(*mode)) {
        return optionOf(selectedMode());
    }
    return std::nullopt;
}

void Form::filesDropped(std::span<const std::u16string> paths) {
    if (actionsRunning_ > 0) {
        return;
    }
    const DropOutcome outcome = dropOutcome(paths, session_.platform);
    if (outcome.selectsInstallMode) {
        chooseMode(Mode::Install);
    }
    session_.view.setStatusText(outcome.text1);
}

void Form::phonesSurveyed(const PhoneSurvey& survey) {
    phoneReport_ = survey.phones ? phoneReport(*survey.phones) : failedDetectionReport();
    session_.attachedPhones = survey.phones.value_or(std::vector<AttachedPhone>{});
    missingTools_ = survey.missingTools;
    session_.view.setPhoneStatus(statusBarText(*phoneReport_, missingTools_));
}

void Form::windowActivated() {
    if (phoneReport_) {
        session_.view.lookForPhonesAgain();
    }
}

void Form::showPhoneDetails() {
    if (!phoneReport_) {
        return;
    }
    // The look that may come meanwhile must not change what the user answers.
    const std::optional<std::u16string> node = phoneReport_->nodeWithoutDriver;
    const Running box(actionsRunning_);
    const BoxAnswer answer = session_.view.messageBox(
        statusDetails(*phoneReport_, missingTools_),
        node ? BoxKind::Question : BoxKind::Information, kPhoneStatusTitle);
    if (node && answer == BoxAnswer::Yes && !session_.view.showDeviceProperties(*node)) {
        session_.view.messageBox(kDriverByHandText, BoxKind::Information, kHintTitle);
    }
}

void Form::chooseMode(Mode mode) {
    session_.view.selectMode(mode);
    session_.view.setStatusText(u"");
}

void Form::startClicked() {
    if (const Command* command = commandForStart(session_.view)) {
        run(command->action);
    }
}

void Form::run(const Action& action) {
    const Running running(actionsRunning_);
    runAction(session_, action);
}

Mode Form::selectedMode() const {
    const auto selected =
        std::ranges::find_if(kModes, [this](Mode mode) { return session_.view.isSelected(mode); });
    return selected != kModes.end() ? *selected : Mode::Normal;
}

}  // namespace vantrel
