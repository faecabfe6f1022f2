#include "actions/ConsoleTyper.h"

#include <algorithm>
#include <limits>

namespace vantrel {
namespace {

constexpr char16_t kCarriageReturn = 13;
constexpr std::int32_t kMaxPosition = std::numeric_limits<std::int32_t>::max();

// Other programs keep hidden consoles of their own: a line must never run
// where the user cannot see it.
WindowHandle firstVisible(const std::vector<ConsoleWindow>& consoles) {
    const auto found = std::ranges::find_if(consoles, &ConsoleWindow::visible);
    return found == consoles.end() ? 0 : found->handle;
}

}  // namespace

TypingOutcome ConsoleTyper::TypeIntoConsole(std::u16string_view commandLine) {
    consoleWindow_ = firstVisible(platform_.consoleWindows());
    pendingCommand_.assign(commandLine);
    const auto length = static_cast<std::int32_t>(
        std::min<std::size_t>(pendingCommand_.size(), static_cast<std::size_t>(kMaxPosition)));
    typingPosition_ = 1;

    // Posting to no window would only fill our own queue with ownerless messages.
    if (consoleWindow_ == 0) {
        return TypingOutcome::NoConsole;
    }
    bool firstPost = true;
    // A console that lost part of a line must not run the rest of it.
    const auto post = [&](char16_t unit) {
        const PostResult result = platform_.postCharacter(consoleWindow_, unit);
        const bool refusedAtOnce = firstPost && result == PostResult::Refused;
        firstPost = false;
        if (result == PostResult::Posted) {
            return TypingOutcome::Typed;
        }
        return refusedAtOnce ? TypingOutcome::Refused : TypingOutcome::Interrupted;
    };
    while (typingPosition_ <= length) {
        const char16_t unit = pendingCommand_[static_cast<std::size_t>(typingPosition_ - 1)];
        if (const TypingOutcome outcome = post(unit); outcome != TypingOutcome::Typed) {
            return outcome;
        }
        if (typingPosition_ == kMaxPosition) {
            break;
        }
        ++typingPosition_;
    }
    return post(kCarriageReturn);
}

}  // namespace vantrel
