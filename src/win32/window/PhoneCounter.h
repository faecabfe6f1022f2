#pragma once

#include <windows.h>

#include <optional>

#include "phones/PhoneStatusText.h"
#include "win32/window/PhoneSurveyThread.h"

namespace vantrel::win32 {

// Looks for the attached phones and the tools for the window, on a thread of
// its own (see PhoneSurveyThread): when asked to now, and after each burst of
// device changes once they have been quiet for a moment: a phone that
// connects makes several changes in a row. Nothing polls: the window's
// one-shot timer marks the quiet.
class PhoneCounter {
  public:
    // Each finished look posts that message to the window.
    PhoneCounter(HWND window, UINT surveyedMessage)
        : window_(window), thread_(window, surveyedMessage) {}
    ~PhoneCounter();
    PhoneCounter(const PhoneCounter&) = delete;
    PhoneCounter& operator=(const PhoneCounter&) = delete;

    void countNow() { thread_.request(); }
    // Devices changed: the timer starts again, so that it fires once the burst is over.
    void countWhenQuiet();
    // A WM_TIMER: the quiet one stops, and a look begins.
    void timerFired(WPARAM timerId);
    // The look that the posted message announced; nothing when it was taken already.
    std::optional<PhoneSurvey> takeSurvey() { return thread_.take(); }

  private:
    HWND window_;
    bool timerRunning_ = false;
    PhoneSurveyThread thread_;
};

}  // namespace vantrel::win32
