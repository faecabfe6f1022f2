#include "window/win32/WindowDpi.h"

#include "platform/win32/MessageFont.h"
#include "platform/win32/SystemFunction.h"

namespace vantrel::win32 {

int windowDpi(HWND window) {
    using GetDpiForWindowFunction = UINT WINAPI(HWND);
    static const auto getDpiForWindow =
        systemFunction<GetDpiForWindowFunction>(L"user32.dll", "GetDpiForWindow");
    if (getDpiForWindow != nullptr) {
        if (const UINT dpi = getDpiForWindow(window); dpi != 0) {
            return static_cast<int>(dpi);
        }
    }
    return systemDpi();
}

}  // namespace vantrel::win32
