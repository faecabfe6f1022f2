#include "driver/ShownIcon.h"

#include <array>
#include <cstdint>
#include <vector>

#include "win32/common/UniqueHandles.h"

namespace e2e {

using vantrel::win32::WindowDc;

namespace {

struct BitmapDeleter {
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDeleter>;

struct DcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
using UniqueDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;

// A top-down 32-bit picture to draw into, and its pixels.
class Picture {
  public:
    Picture(const WindowDc& screen, SIZE size)
        : size_(size), dc_(CreateCompatibleDC(screen.get())) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = size.cx;
        info.bmiHeader.biHeight = -size.cy;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        bits_ = static_cast<const std::uint32_t*>(bits);
        previous_ = SelectObject(dc_.get(), bitmap_.get());
    }
    ~Picture() { SelectObject(dc_.get(), previous_); }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    HDC dc() const { return dc_.get(); }
    // Their colours only: what ends up in the fourth byte differs between ways of drawing.
    std::vector<std::uint32_t> pixels() const {
        GdiFlush();
        std::vector<std::uint32_t> colours(
            bits_, bits_ + static_cast<size_t>(size_.cx) * static_cast<size_t>(size_.cy));
        for (std::uint32_t& colour : colours) {
            colour &= 0x00FFFFFF;
        }
        return colours;
    }

  private:
    SIZE size_;
    UniqueDc dc_;
    UniqueBitmap bitmap_;
    const std::uint32_t* bits_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

struct Candidate {
    StandardIcon icon;
    LPCWSTR resource;
};

std::array<Candidate, 4> candidates() {
    return {Candidate{StandardIcon::Warning, IDI_WARNING},
            Candidate{StandardIcon::Error, IDI_ERROR},
            Candidate{StandardIcon::Information, IDI_INFORMATION},
            Candidate{StandardIcon::Question, IDI_QUESTION}};
}

// The icon as a static control draws it: over its background, stretched to its size.
std::vector<std::uint32_t> drawn(const WindowDc& screen, SIZE size, LPCWSTR resource,
                                 std::uint32_t background) {
    Picture picture(screen, size);
    const RECT all{0, 0, size.cx, size.cy};
    const BYTE* rgb = reinterpret_cast<const BYTE*>(&background);
    HBRUSH brush = CreateSolidBrush(RGB(rgb[2], rgb[1], rgb[0]));
    FillRect(picture.dc(), &all, brush);
    DeleteObject(brush);
    const auto icon =
        static_cast<HICON>(LoadImageW(nullptr, resource, IMAGE_ICON, size.cx, size.cy, LR_SHARED));
    DrawIconEx(picture.dc(), 0, 0, icon, size.cx, size.cy, 0, nullptr, DI_NORMAL);
    return picture.pixels();
}

}  // namespace

StandardIcon shownStandardIcon(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const SIZE size{rect.right - rect.left, rect.bottom - rect.top};
    if (size.cx <= 0 || size.cy <= 0) {
        return StandardIcon::None;
    }
    const WindowDc screen(nullptr);
    Picture shown(screen, size);
    BitBlt(shown.dc(), 0, 0, size.cx, size.cy, screen.get(), rect.left, rect.top, SRCCOPY);
    const std::vector<std::uint32_t> pixels = shown.pixels();
    // The corners of every standard icon are clear: the first pixel is the background.
    for (const Candidate& candidate : candidates()) {
        if (drawn(screen, size, candidate.resource, pixels.front()) == pixels) {
            return candidate.icon;
        }
    }
    return StandardIcon::None;
}

const char* nameOf(StandardIcon icon) {
    switch (icon) {
        case StandardIcon::None:
            return "none";
        case StandardIcon::Warning:
            return "warning";
        case StandardIcon::Error:
            return "error";
        case StandardIcon::Information:
            return "information";
        case StandardIcon::Question:
            return "question";
    }
    return "?";
}

}  // namespace e2e
