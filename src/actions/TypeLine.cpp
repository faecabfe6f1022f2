#include "actions/TypeLine.h"

#include <string>

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

}  // namespace

bool typeLine(Session& session, std::u16string_view line, FailureNotice notice) {
    const TypingOutcome outcome = session.typer.TypeIntoConsole(line);
    if (outcome == TypingOutcome::Typed) {
        return true;
    }
    const std::u16string_view reason = whyNotTyped(outcome);
    if (notice == FailureNotice::InMessageBox) {
        session.view.messageBox(reason, BoxKind::Notice, kNoticeTitle);
    } else {
        session.view.setStatusText(std::u16string(reason));
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
