#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace e2e {

// The environment block of another running process, read from its memory
// (its process parameters, through its PEB): "NAME=value" entries in order.
// A process that has just been started is waited for until it has set its
// block up. The driver and the process must both be 64-bit or both 32-bit.
// Fails the check when the block cannot be read within the driver's patience.
std::vector<std::wstring> environmentOf(DWORD processId);

// The value of one variable of that block (names compare without regard to
// case, as Windows compares them); nothing when it is not set.
std::optional<std::wstring> environmentVariableOf(DWORD processId, std::wstring_view name);

}  // namespace e2e
