#include "win32/window/PhoneCounter.h"

namespace vantrel::win32 {
namespace {

// Short enough that the count follows the last change within half a second.
constexpr UINT kQuietMs = 250;
constexpr UINT_PTR kQuietTimer = 1;

}  // namespace

PhoneCounter::~PhoneCounter() {
    if (timerRunning_) {
        KillTimer(window_, kQuietTimer);
    }
}

void PhoneCounter::countWhenQuiet() {
    timerRunning_ = SetTimer(window_, kQuietTimer, kQuietMs, nullptr) != 0;
}

bool PhoneCounter::quietTimerFired(WPARAM timerId) {
    if (timerId != kQuietTimer || !timerRunning_) {
        return false;
    }
    KillTimer(window_, kQuietTimer);
    timerRunning_ = false;
    countNow();
    return true;
}

}  // namespace vantrel::win32
