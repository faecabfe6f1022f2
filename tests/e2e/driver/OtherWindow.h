#pragma once

#include <windows.h>

#include "win32/common/UniqueHandles.h"

namespace e2e {

using vantrel::win32::UniqueWindow;

// Another program's window as vantrel.exe sees it: a visible top-level window
// of the driver, in the screen's bottom-left corner, for checks that switch
// away from the program and back, or that need a window of another program's
// class on the screen.
class OtherWindow {
  public:
    explicit OtherWindow(const wchar_t* className = L"Vantrel.E2E.OtherWindow");
    OtherWindow(const OtherWindow&) = delete;
    OtherWindow& operator=(const OtherWindow&) = delete;

    HWND handle() const { return window_.get(); }

    // Makes it the foreground window, as a click on it does, and returns once it is.
    void activate();

  private:
    UniqueWindow window_;
};

}  // namespace e2e
