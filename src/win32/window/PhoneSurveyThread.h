#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "phones/PhoneStatusText.h"

namespace vantrel::win32 {

// Looks at the PC for the window on a thread of its own: which phones are
// attached (SetupAPI, and the phones' hubs, which a slow device can hold up)
// and which tools the consoles would not find (every folder of PATH, where an
// unreachable network share takes tens of seconds). The window's thread only
// asks, and takes the result once a posted message says that it is there.
// No thread runs while nothing is asked, and no handle is kept.
class PhoneSurveyThread {
  public:
    PhoneSurveyThread(HWND window, UINT surveyedMessage);
    // Never waits for a look under way: it ends on its own, posts nothing
    // more, and its result is freed with it.
    ~PhoneSurveyThread();
    PhoneSurveyThread(const PhoneSurveyThread&) = delete;
    PhoneSurveyThread& operator=(const PhoneSurveyThread&) = delete;

    // Starts a look, or, while one is under way, one more after it: the
    // requests that come meanwhile are merged into that one.
    void request();
    // The last finished look, once; nothing when it was taken already.
    std::optional<PhoneSurvey> take();

  private:
    // What the window and the thread share: whichever lets go last frees it.
    struct Shared;
    struct LetGo {
        void operator()(Shared* shared) const;
    };
    using SharedReference = std::unique_ptr<Shared, LetGo>;

    SharedReference shared_;
};

}  // namespace vantrel::win32
