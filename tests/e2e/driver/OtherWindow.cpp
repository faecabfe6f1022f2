#include "driver/OtherWindow.h"

#include <stdexcept>

#include "driver/MessagePump.h"

namespace e2e {
namespace {

constexpr int kWidth = 200;
constexpr int kHeight = 120;

void registerClass(const wchar_t* className) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    windowClass.lpszClassName = className;
    if (RegisterClassW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        throw std::runtime_error("could not register the other window's class");
    }
}

}  // namespace

OtherWindow::OtherWindow(const wchar_t* className) {
    registerClass(className);
    const int top = GetSystemMetrics(SM_CYSCREEN) - kHeight;
    window_.reset(CreateWindowExW(0, className, L"another program", WS_OVERLAPPEDWINDOW, 0, top,
                                  kWidth, kHeight, nullptr, nullptr, GetModuleHandleW(nullptr),
                                  nullptr));
    if (!window_) {
        throw std::runtime_error("could not create the other window");
    }
    ShowWindow(handle(), SW_SHOWNOACTIVATE);
}

void OtherWindow::activate() {
    SetForegroundWindow(handle());
    if (!pumpUntil([this] {
            return GetForegroundWindow() == handle() && GetActiveWindow() == handle();
        })) {
        throw std::runtime_error("the other window did not become the foreground window");
    }
}

}  // namespace e2e
