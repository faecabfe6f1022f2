#pragma once

namespace vantrel::win32 {

// Opens a new classic console window running the system's cmd.exe, without
// activating it; false when no start succeeded.
bool startConsoleProcess();

}  // namespace vantrel::win32
