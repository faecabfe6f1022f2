#include "actions/TypeIntoConsole.h"

#include <algorithm>

namespace vantrel {
namespace {

constexpr char16_t kCarriageReturn = 13;

// Other programs keep hidden consoles of their own: a line must never run
// where the user cannot see it.
WindowHandle firstVisible(const std::vector<ConsoleWindow>& consoles) {
    const auto found = std::ranges::find_if(consoles, &ConsoleWindow::visible);
    return found == consoles.end() ? 0 : found->handle;
}

}  // namespace

TypingOutcome TypeIntoConsole(Platform& platform, std::u16string_view commandLine) {
    const WindowHandle console = firstVisible(platform.consoleWindows());
    // Posting to no window would only fill our own queue with ownerless messages.
    if (console == 0) {
        return TypingOutcome::NoConsole;
    }
    bool firstPost = true;
    // A console that lost part of a line must not run the rest of it.
    const auto post = [&](char16_t unit) {
        const PostResult result = platform.postCharacter(console, unit);
        const bool refusedAtOnce = firstPost && result == PostResult::Refused;
        firstPost = false;
        if (result == PostResult::Posted) {
            return TypingOutcome::Typed;
        }
        return refusedAtOnce ? TypingOutcome::Refused : TypingOutcome::Interrupted;
    };
    for (const char16_t unit : commandLine) {
        if (const TypingOutcome outcome = post(unit); outcome != TypingOutcome::Typed) {
            return outcome;
        }
    }
    return post(kCarriageReturn);
}

}  // namespace vantrel
