#include "actions/TypeLine.h"

#include <string>

#include "actions/BoxTitles.h"
#include "actions/ConsoleCommands.h"
#include "actions/TypeIntoConsole.h"

namespace vantrel {
namespace {

std::u16string_view whyNotTyped(TypingOutcome outcome) {
    switch (outcome) {
        case TypingOutcome::NoConsole:
            return kNoConsoleStatus;
        case TypingOutcome::Refused:
            return kElevatedConsoleStatus;
        case TypingOutcome::Typed:
        case TypingOutcome::Interrupted:
            break;
    }
    return kInterruptedStatus;
}

// The terminal's consoles cannot be typed into; a classic one is one click away.
void offerConsoleBesideTerminal(Session& session, FailureNotice notice) {
    if (session.view.messageBox(kTerminalQuestion, BoxKind::Question, kHintTitle) !=
        BoxAnswer::Yes) {
        return;
    }
    if (notice == FailureNotice::InStatusBox) {
        openConsole(session);
    } else if (!startConsoleInWorkFolder(session.platform)) {
        session.view.messageBox(kConsoleStartFailedStatus, BoxKind::Notice, kHintTitle);
    }
}

}  // namespace

bool typeLine(Session& session, std::u16string_view line, FailureNotice notice) {
    const TypingOutcome outcome = TypeIntoConsole(session.platform, line);
    if (outcome == TypingOutcome::Typed) {
        return true;
    }
    const bool besideTerminal =
        outcome == TypingOutcome::NoConsole && session.platform.terminalWindowShown();
    const std::u16string_view reason = whyNotTyped(outcome);
    if (notice == FailureNotice::InStatusBox) {
        session.view.setStatusText(std::u16string(reason));
    } else if (!besideTerminal) {
        session.view.messageBox(reason, BoxKind::Notice, kHintTitle);
    }
    if (besideTerminal) {
        offerConsoleBesideTerminal(session, notice);
    }
    return false;
}

void typeLineThenShow(Session& session, std::u16string_view line,
                      std::u16string_view statusAfterTyping) {
    if (typeLine(session, line)) {
        session.view.setStatusText(std::u16string(statusAfterTyping));
    }
}

}  // namespace vantrel
