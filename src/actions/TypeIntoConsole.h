#pragma once

#include <string_view>

#include "ports/Platform.h"

namespace vantrel {

enum class TypingOutcome {
    Typed,        // every character and the Enter were posted
    NoConsole,    // no visible console window was found; nothing was posted
    Refused,      // the console took not even the first character: it runs with higher rights
    Interrupted,  // a post failed; the rest of the line and the Enter were not posted
};

// Types a command line into the first visible console window in Z order,
// searched for afresh: each UTF-16 code unit as one WM_CHAR, then one
// carriage return.
TypingOutcome TypeIntoConsole(Platform& platform, std::u16string_view commandLine);

}  // namespace vantrel
