#pragma once

#include <chrono>
#include <functional>

namespace e2e {

using namespace std::chrono_literals;

// How long any single wait may take before the check fails: ample for a busy
// Wine, short enough that a broken program fails fast instead of hanging.
inline constexpr std::chrono::milliseconds kPatience = 10s;

// Handles every message waiting in the driver's own queue (the stand-in
// consoles receive their characters this way).
void pumpPending();

// Pumps the driver's messages and polls `done` in short steps until it holds
// or `timeout` has passed; true when it held.
bool pumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = kPatience);

}  // namespace e2e
