#include "driver/CrossProcess.h"

#include <stdexcept>
#include <string>

#include "driver/MessagePump.h"

namespace e2e {

LRESULT sendToProgram(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    const auto timeoutMs = static_cast<UINT>(kPatience.count());
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, timeoutMs, &result)) {
        throw std::runtime_error("the program did not answer message " + std::to_string(message) +
                                 " in time (or the window is gone)");
    }
    return static_cast<LRESULT>(result);
}

std::wstring className(HWND window) {
    wchar_t name[256] = {};
    const int length = GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return std::wstring(name, static_cast<size_t>(length > 0 ? length : 0));
}

std::wstring windowText(HWND window) {
    const auto length = sendToProgram(window, WM_GETTEXTLENGTH);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const auto copied =
        sendToProgram(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

std::vector<std::wstring> comboItems(HWND combo) {
    const auto count = sendToProgram(combo, CB_GETCOUNT);
    std::vector<std::wstring> items;
    for (WPARAM index = 0; index < static_cast<WPARAM>(count); ++index) {
        std::wstring item(static_cast<size_t>(sendToProgram(combo, CB_GETLBTEXTLEN, index)) + 1,
                          L'\0');
        const auto copied =
            sendToProgram(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(item.data()));
        item.resize(static_cast<size_t>(copied));
        items.push_back(std::move(item));
    }
    return items;
}

void setWindowText(HWND window, std::wstring_view text) {
    const std::wstring terminated(text);
    sendToProgram(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(terminated.c_str()));
}

void postClick(HWND button) {
    if (!PostMessageW(button, BM_CLICK, 0, 0)) {
        throw std::runtime_error("could not post a click to the program");
    }
}

}  // namespace e2e
