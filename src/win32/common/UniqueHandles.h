#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace vantrel::win32 {

template <auto Release>
struct Releaser {
    template <class Resource>
    void operator()(Resource* resource) const noexcept {
        Release(resource);
    }
};

template <class Handle, auto Release>
using UniqueResource = std::unique_ptr<std::remove_pointer_t<Handle>, Releaser<Release>>;

using UniqueHandle = UniqueResource<HANDLE, &CloseHandle>;
using UniqueGlobal = UniqueResource<HGLOBAL, &GlobalFree>;
using UniqueLocal = UniqueResource<HLOCAL, &LocalFree>;
using UniqueFont = UniqueResource<HFONT, &DeleteObject>;
using UniqueMenu = UniqueResource<HMENU, &DestroyMenu>;
using UniqueModule = UniqueResource<HMODULE, &FreeLibrary>;
using UniqueHook = UniqueResource<HHOOK, &UnhookWindowsHookEx>;
using UniqueWindow = UniqueResource<HWND, &DestroyWindow>;

// A device context borrowed from a window (or the screen, for nullptr),
// given back when it goes out of scope.
class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() { ReleaseDC(window_, dc_); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// Selects a GDI object into a device context for one scope.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, previous_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace vantrel::win32
