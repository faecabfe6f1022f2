#include "driver/RecordingConsole.h"

#include <cstdio>
#include <stdexcept>

#include "driver/MessagePump.h"

namespace e2e {
namespace {

constexpr wchar_t kConsoleClass[] = L"ConsoleWindowClass";
// Small enough to stay clear of the program's window, and of the screenshot of it.
constexpr int kWidth = 160;
constexpr int kHeight = 90;

void registerConsoleClassOnce(WNDPROC windowProc) {
    static const ATOM atom = [windowProc] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = windowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kConsoleClass;
        return RegisterClassW(&windowClass);
    }();
    if (atom == 0) {
        throw std::runtime_error("RegisterClassW(ConsoleWindowClass) failed");
    }
}

}  // namespace

RecordingConsole::RecordingConsole(Form form) {
    registerConsoleClassOnce(&windowProc);
    // WS_EX_NOACTIVATE keeps a click or a show from activating it, and the
    // tool window style keeps it off the taskbar.
    const int left = GetSystemMetrics(SM_CXSCREEN) - kWidth;
    const int top = GetSystemMetrics(SM_CYSCREEN) - kHeight;
    window_.reset(CreateWindowExW(WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, kConsoleClass,
                                  L"recording console", WS_OVERLAPPEDWINDOW, left, top, kWidth,
                                  kHeight, nullptr, nullptr, GetModuleHandleW(nullptr), this));
    if (!window_) {
        throw std::runtime_error("could not create a recording console");
    }
    switch (form) {
        case Form::Visible:
            ShowWindow(handle(), SW_SHOWNOACTIVATE);
            break;
        case Form::Minimized:
            ShowWindow(handle(), SW_SHOWMINNOACTIVE);
            break;
        case Form::Hidden:
            break;
    }
    bringToTop();
}

LRESULT CALLBACK RecordingConsole::windowProc(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    } else if (message == WM_CHAR) {
        auto* self = reinterpret_cast<RecordingConsole*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        self->received_.push_back(wParam);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void RecordingConsole::bringToTop() {
    SetWindowPos(handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

std::vector<WPARAM> RecordingConsole::received() {
    pumpPending();
    return received_;
}

std::wstring RecordingConsole::receivedText() {
    std::wstring text;
    for (const WPARAM unit : received()) {
        if (unit <= 0xFFFF) {
            text.push_back(static_cast<wchar_t>(unit));
        } else {
            wchar_t shown[24];
            std::swprintf(shown, std::size(shown), L"<0x%llX>",
                          static_cast<unsigned long long>(unit));
            text += shown;
        }
    }
    return text;
}

HWND firstConsoleInZOrder() {
    return FindWindowW(kConsoleClass, nullptr);
}

}  // namespace e2e
