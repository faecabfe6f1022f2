#include "window/win32/ControlWindows.h"

#include <commctrl.h>

#include "platform/win32/RectSize.h"
#include "platform/win32/WideText.h"

namespace vantrel::win32 {
namespace {

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

ControlClass classOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::OptionButton:
            // BS_NOTIFY reports the focus, which chooses an option as a click does.
            return {L"BUTTON", BS_AUTORADIOBUTTON | BS_NOTIFY, 0};
        case ControlKind::PushButton:
            return {L"BUTTON", BS_PUSHBUTTON, 0};
        case ControlKind::ComboBox:
            return {L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL, 0};
        case ControlKind::TextBox:
            break;
    }
    return {L"EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
}

// A drop-down combo's window height covers its field and its opened list;
// the list shows every item without scrolling.
int droppedHeight(HWND combo) {
    RECT field;
    GetWindowRect(combo, &field);
    const auto items = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    const auto itemHeight = SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0);
    return height(field) + static_cast<int>(items * itemHeight) + 2 * GetSystemMetrics(SM_CYEDGE);
}

}  // namespace

HWND createControl(HWND parent, const ControlSpec& spec) {
    const ControlClass type = classOf(spec.kind);
    // Each control is a group of its own, so the dialog manager's arrow keys
    // never wander across the window; the window keeps one option checked.
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | type.style;
    const HWND control = CreateWindowExW(
        type.exStyle, type.name, nullptr, style, 0, 0, 0, 0, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), GetModuleHandleW(nullptr), nullptr);
    if (spec.kind == ControlKind::ComboBox) {
        const auto items = listItems(spec.id);
        for (const std::u16string_view item : items) {
            SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(item).c_str()));
        }
        // Common controls 6 size the opened list by a count of visible items.
        SendMessageW(control, CB_SETMINVISIBLE, items.size(), 0);
    }
    if (spec.kind == ControlKind::TextBox) {
        SendMessageW(control, EM_SETLIMITTEXT, 0, 0);  // no length limit
    }
    SetWindowTextW(control, wide(spec.caption).c_str());
    return control;
}

void placeControl(HWND control, const ControlSpec& spec, int dpi, HFONT font) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // A drop-down combo's field is as tall as its font needs (300 twips with the
    // classic 8-point font); its window height is that of the opened list.
    const int pixels = spec.kind == ControlKind::ComboBox ? droppedHeight(control)
                                                          : twipsToPixels(spec.rect.height, dpi);
    SetWindowPos(control, nullptr, twipsToPixels(spec.rect.left, dpi),
                 twipsToPixels(spec.rect.top, dpi), twipsToPixels(spec.rect.width, dpi), pixels,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace vantrel::win32
