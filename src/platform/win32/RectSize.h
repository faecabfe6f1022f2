#pragma once

#include <windows.h>

namespace vantrel::win32 {

inline int width(const RECT& rect) {
    return rect.right - rect.left;
}

inline int height(const RECT& rect) {
    return rect.bottom - rect.top;
}

}  // namespace vantrel::win32
