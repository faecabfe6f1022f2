#pragma once

#include <windows.h>

namespace vantrel::win32 {

inline int width(const RECT& rect) {
    return rect.right - rect.left;
}

inline int height(const RECT& rect) {
    return rect.bottom - rect.top;
}

// A child window's rectangle in the client coordinates of the given window.
inline RECT rectInClientArea(HWND window, HWND child) {
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace vantrel::win32
