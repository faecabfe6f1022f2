#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "win32/common/UniqueHandles.h"

namespace e2e {

using vantrel::win32::UniqueWindow;

// A stand-in for a command prompt: a top-level Unicode window of the class
// "ConsoleWindowClass", owned by the driver's thread, that records the wParam
// of every WM_CHAR it receives, in order and unchanged. It is made first in Z
// order, where the program's search finds it.
class RecordingConsole {
  public:
    // Visible: small, in the screen's bottom-right corner, clear of the
    // program's window, and never taking the activation or the focus.
    // Hidden: as the hidden console windows of other programs, which the
    // program must skip. Minimized: still visible to the program's search.
    enum class Form { Visible, Hidden, Minimized };

    explicit RecordingConsole(Form form = Form::Visible);
    RecordingConsole(const RecordingConsole&) = delete;
    RecordingConsole& operator=(const RecordingConsole&) = delete;

    HWND handle() const { return window_.get(); }

    // Puts this console first in Z order.
    void bringToTop();

    // Every character received so far (the driver's queue is pumped first).
    std::vector<WPARAM> received();
    // The same as text: one wchar_t per wParam; a wParam that is no UTF-16
    // code unit shows as "<0x...>" so that a comparison shows it plainly.
    std::wstring receivedText();
    void forget() { received_.clear(); }

  private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    std::vector<WPARAM> received_;
    UniqueWindow window_;
};

// The first top-level "ConsoleWindowClass" window in Z order, visible or not.
HWND firstConsoleInZOrder();

}  // namespace e2e
