#include "driver/ConsoleStartingTest.h"

#include "driver/MessagePump.h"
#include "driver/WorkFolder.h"
#include "ports/ControlIds.h"

namespace e2e {

void ConsoleStartingTest::SetUp() {
    removeAutoStartMarker();
}

void ConsoleStartingTest::TearDown() {
    VantrelTest::TearDown();
    removeAutoStartMarker();
}

void ConsoleStartingTest::clickOpenCmd() {
    window().typeText(vantrel::kStatusBox, kEarlierStatus);
    window().click(vantrel::kOpenConsoleButton);
    window().settle();
}

void ConsoleStartingTest::waitForConsoles(size_t count, const std::function<bool()>& orElse) {
    pumpUntil([&] { return interpreters_.started().size() >= count || (orElse && orElse()); });
    window().settle();
}

}  // namespace e2e
