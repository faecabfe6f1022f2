#include "console/TypeLine.h"

namespace vantrel {

bool typeLine(FormContext& form, std::u16string_view line) {
    switch (form.typer.TypeIntoConsole(line)) {
        case TypingOutcome::Typed:
            return true;
        case TypingOutcome::NoConsole:
            form.view.setStatusText(std::u16string(kNoConsoleStatus));
            return false;
        case TypingOutcome::Interrupted:
            form.view.setStatusText(std::u16string(kInterruptedStatus));
            return false;
    }
    return false;
}

void typeLineThenShow(FormContext& form, std::u16string_view line,
                      std::u16string_view statusAfterTyping) {
    if (typeLine(form, line)) {
        form.view.setStatusText(std::u16string(statusAfterTyping));
    }
}

}  // namespace vantrel
