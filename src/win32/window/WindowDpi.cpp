#include "win32/window/WindowDpi.h"

#include "win32/common/MessageFont.h"
#include "win32/common/SystemFunction.h"

namespace vantrel::win32 {

int windowDpi(HWND window) {
    using GetDpiForWindowFunction = UINT WINAPI(HWND);
    const auto getDpiForWindow =
        systemFunction<GetDpiForWindowFunction>(L"user32.dll", "GetDpiForWindow");
    if (getDpiForWindow != nullptr) {
        if (const UINT dpi = getDpiForWindow(window); dpi != 0) {
            return static_cast<int>(dpi);
        }
    }
    return systemDpi();
}

RECT frameForClientArea(const RECT& client, DWORD style, DWORD exStyle, int dpi) {
    RECT frame = client;
    // AdjustWindowRectEx measures the frame at the system's DPI, which a window on
    // a monitor of another DPI does not have; Windows 10 1607 and later know better.
    using AdjustForDpiFunction = BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT);
    const auto adjustForDpi =
        systemFunction<AdjustForDpiFunction>(L"user32.dll", "AdjustWindowRectExForDpi");
    if (adjustForDpi == nullptr ||
        !adjustForDpi(&frame, style, TRUE, exStyle, static_cast<UINT>(dpi))) {
        frame = client;
        AdjustWindowRectEx(&frame, style, TRUE, exStyle);
    }
    return frame;
}

}  // namespace vantrel::win32
