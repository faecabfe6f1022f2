#pragma once

#include <windows.h>

#include <optional>

#include "phones/PhoneCount.h"
#include "win32/platform/UsbDeviceList.h"

namespace vantrel::win32 {

// Counts the attached phones for the window, on its own thread: asking
// SetupAPI takes a few milliseconds (the benchmark measures it), and a thread
// of its own would cost the program more memory under Wine than the window
// itself. It counts when asked to now, and after each burst of device changes
// once they have been quiet for a moment: a phone that connects makes several
// changes in a row. Nothing polls: the window's one-shot timer marks the quiet.
class PhoneCounter {
  public:
    explicit PhoneCounter(HWND window) : window_(window) {}
    ~PhoneCounter();
    PhoneCounter(const PhoneCounter&) = delete;
    PhoneCounter& operator=(const PhoneCounter&) = delete;

    // Nothing when Windows could not be asked. SetupAPI is loaded on the
    // first count, which the window makes once it shows.
    std::optional<PhoneCounts> countNow();
    // Devices changed: the timer starts again, so that it fires once the burst is over.
    void countWhenQuiet();
    // Whether a WM_TIMER is the quiet one; it then stops, and the window counts.
    bool quietTimerFired(WPARAM timerId);

  private:
    HWND window_;
    std::optional<UsbDeviceQuery> devices_;
    bool timerRunning_ = false;
};

}  // namespace vantrel::win32
