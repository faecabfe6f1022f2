#include "driver/MessagePump.h"

#include <windows.h>

namespace e2e {
namespace {

constexpr DWORD kPollStepMs = 5;

}  // namespace

void pumpPending() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
    }
}

bool pumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (true) {
        pumpPending();
        if (done()) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        // Wakes early when a message arrives for the driver.
        MsgWaitForMultipleObjectsEx(0, nullptr, kPollStepMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

}  // namespace e2e
