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

void PhoneCounter::timerFired(WPARAM timerId) {
    if (timerId == kQuietTimer && timerRunning_) {
        KillTimer(window_, kQuietTimer);
        timerRunning_ = false;
        countNow();
    }
}

}  // namespace vantrel::win32
