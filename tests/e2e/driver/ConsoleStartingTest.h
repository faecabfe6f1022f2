#pragma once

#include <cstddef>

#include "driver/Processes.h"
#include "driver/VantrelTest.h"

namespace e2e {

// Checks of the consoles that the program opens, seen as new command
// interpreter processes, which end with the check. Each check launches the
// program itself (without auto-start marker, unless it makes one).
class ConsoleStartingTest : public VantrelTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Leaves kEarlierStatus in Text1, then clicks "打开cmd".
    void clickOpenCmd();
    // Waits until `count` consoles have been opened in all, or the condition holds.
    void waitForConsoles(size_t count, const std::function<bool()>& orElse = {});

    // Made before the program starts, and so it ends the consoles after the program.
    NewCommandInterpreters interpreters_;
};

}  // namespace e2e
