#pragma once

#include <optional>
#include <string_view>

namespace vantrel::win32 {

// Opens a new classic console window running the system's cmd.exe, without
// activating it, in the given folder or else in the program's current one;
// false when no start succeeded.
bool startConsoleProcess(std::optional<std::u16string_view> workingFolder);

}  // namespace vantrel::win32
