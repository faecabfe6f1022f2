#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ports/Platform.h"

namespace vantrel {

enum class TypingOutcome {
    Typed,        // every character and the Enter were posted
    NoConsole,    // no visible console window was found; nothing was posted
    Refused,      // the console took not even the first character: it runs with higher rights
    Interrupted,  // a post failed; the rest of the line and the Enter were not posted
};

// Types command lines into the console window as WM_CHAR messages. Holds the
// window's three typing variables; every call sets all three before use.
class ConsoleTyper {
  public:
    explicit ConsoleTyper(Platform& platform) : platform_(platform) {}

    // Posts each UTF-16 code unit of the line, then one carriage return, to the
    // first visible console window in Z order.
    TypingOutcome TypeIntoConsole(std::u16string_view commandLine);

    WindowHandle consoleWindow() const { return consoleWindow_; }
    const std::u16string& pendingCommand() const { return pendingCommand_; }
    std::int32_t typingPosition() const { return typingPosition_; }

  private:
    Platform& platform_;
    WindowHandle consoleWindow_ = 0;
    std::u16string pendingCommand_;
    std::int32_t typingPosition_ = 0;
};

}  // namespace vantrel
