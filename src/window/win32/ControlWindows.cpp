#include "window/win32/ControlWindows.h"

#include <commctrl.h>

#include <algorithm>

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

// The height of a font's character cell without its internal leading: the
// least a field may be to show Chinese and Latin text without clipping it.
int fontEmHeight(HFONT font) {
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(screen, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return metrics.tmHeight - metrics.tmInternalLeading;
}

int fieldHeight(HWND combo) {
    RECT field;
    GetWindowRect(combo, &field);
    return height(field);
}

// Brings the combo's edit field to the laid-out height, unless its font needs
// more. The field follows its item height with a border that differs between
// systems, so the item height is corrected by what the field measures.
void fitFieldHeight(HWND combo, int wantedHeight, HFONT font) {
    const int leastItemHeight = fontEmHeight(font);
    auto itemHeight =
        static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    for (int attempt = 0; attempt < 2 && fieldHeight(combo) != wantedHeight; ++attempt) {
        itemHeight = std::max(itemHeight + wantedHeight - fieldHeight(combo), leastItemHeight);
        SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), itemHeight);
    }
}

}  // namespace

HWND createControl(HWND parent, const ControlSpec& definition) {
    const ControlClass type = classOf(definition.kind);
    // Each control is a group of its own, so the dialog manager's arrow keys
    // never wander across the window; the window keeps one option checked.
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | type.style;
    const HWND control =
        CreateWindowExW(type.exStyle, type.name, nullptr, style, 0, 0, 0, 0, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(definition.id)),
                        GetModuleHandleW(nullptr), nullptr);
    if (definition.kind == ControlKind::ComboBox) {
        const auto items = listItems(definition.id);
        for (const std::u16string_view item : items) {
            SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(item).c_str()));
        }
        // Common controls 6 size the opened list by a count of visible items.
        SendMessageW(control, CB_SETMINVISIBLE, items.size(), 0);
    }
    if (definition.kind == ControlKind::TextBox) {
        SendMessageW(control, EM_SETLIMITTEXT, 0, 0);  // no length limit
    }
    SetWindowTextW(control, wide(definition.caption).c_str());
    return control;
}

void placeControl(HWND control, const ControlSpec& definition, int dpi, HFONT font) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    const int laidOutHeight = twipsToPixels(definition.rect.height, dpi);
    // A drop-down combo's window height is that of its field and its opened list.
    const int pixels =
        definition.kind == ControlKind::ComboBox ? droppedHeight(control) : laidOutHeight;
    SetWindowPos(control, nullptr, twipsToPixels(definition.rect.left, dpi),
                 twipsToPixels(definition.rect.top, dpi), twipsToPixels(definition.rect.width, dpi),
                 pixels, SWP_NOZORDER | SWP_NOACTIVATE);
    // Resizing may reset the field's height, so it is fitted last.
    if (definition.kind == ControlKind::ComboBox) {
        fitFieldHeight(control, laidOutHeight, font);
    }
}

}  // namespace vantrel::win32
