#pragma once

#include <string>

namespace e2e {

// Starts vantrel.exe and keeps its window up for a screenshot: once the
// window is shown and settled, writes its screen rectangle into readyFile
// ("WxH+X+Y"), then waits (at most a minute) until doneFile exists.
// Returns the process exit code.
int poseForScreenshot(const std::wstring& readyFile, const std::wstring& doneFile);

}  // namespace e2e
