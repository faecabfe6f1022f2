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
// block up. Fails the check when the block cannot be read within the driver's
// patience, or when the process is not of the driver's bitness.
std::vector<std::wstring> environmentOf(DWORD processId);

// Whether the process is of the driver's bitness (both 64-bit or both
// 32-bit), which environmentOf needs: a 32-bit vantrel.exe opens 32-bit consoles.
bool sameBitnessAsDriver(DWORD processId);

// The current folder of another running process of the driver's bitness,
// read as its environment is, with its final backslash ("C:\\ADB\\").
std::wstring currentFolderOf(DWORD processId);

// The value of one variable of that block (names compare without regard to
// case, as Windows compares them); nothing when it is not set.
std::optional<std::wstring> environmentVariableOf(DWORD processId, std::wstring_view name);

}  // namespace e2e
