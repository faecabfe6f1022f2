#include "console/ConsoleTyper.h"

#include <algorithm>
#include <limits>

namespace vantrel {
namespace {
constexpr char16_t kCarriageReturn = 13;
constexpr std::int32_t kMaxPosition = std::numeric_limits<std::int32_t>::max();
}  // namespace

TypingOutcome ConsoleTyper::TypeIntoConsole(std::u16string_view commandLine) {
    consoleWindow_ = platform_.findConsoleWindow();
    pendingCommand_.assign(commandLine);
    const auto length = static_cast<std::int32_t>(
        std::min<std::size_t>(pendingCommand_.size(), static_cast<std::size_t>(kMaxPosition)));
    typingPosition_ = 1;

    // Posting to no window would only fill our own queue with ownerless messages.
    if (consoleWindow_ == 0) {
        return TypingOutcome::NoConsole;
    }
    while (typingPosition_ <= length) {
        const char16_t unit = pendingCommand_[static_cast<std::size_t>(typingPosition_ - 1)];
        // A console that lost part of a line must not run the rest of it.
        if (!platform_.postCharacter(consoleWindow_, unit)) {
            return TypingOutcome::Interrupted;
        }
        if (typingPosition_ == kMaxPosition) {
            break;
        }
        ++typingPosition_;
    }
    if (!platform_.postCharacter(consoleWindow_, kCarriageReturn)) {
        return TypingOutcome::Interrupted;
    }
    return TypingOutcome::Typed;
}

}  // namespace vantrel
