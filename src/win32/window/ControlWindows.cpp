#include "win32/window/ControlWindows.h"

#include <commctrl.h>

#include <algorithm>

#include "win32/common/RectSize.h"
#include "win32/common/UniqueHandles.h"
#include "win32/common/WideText.h"

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
            // Not an auto radio button: the window's rules alone decide which
            // option is checked. BS_NOTIFY reports the focus.
            return {L"BUTTON", BS_RADIOBUTTON | BS_NOTIFY, 0};
        case ControlKind::PushButton:
            return {L"BUTTON", BS_PUSHBUTTON, 0};
        case ControlKind::ComboBox:
            return {L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL, 0};
        case ControlKind::TextBox:
            break;
    }
    return {L"EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
}

TEXTMETRICW fontMetrics(HFONT font) {
    const WindowDc screen(nullptr);
    const SelectedObject selected(screen.get(), font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen.get(), &metrics);
    return metrics;
}

// A drop-down combo's window covers its field and its opened list, which
// shows every item without scrolling; each item is as tall as the font.
int droppedHeight(const ControlDefinition& definition, int fieldHeight, HFONT font) {
    const auto items = static_cast<int>(listItems(definition.id).size());
    return fieldHeight + items * fontMetrics(font).tmHeight + 2 * GetSystemMetrics(SM_CYEDGE);
}

RECT placeFor(const ControlDefinition& definition, int dpi, HFONT font) {
    const int left = twipsToPixels(definition.rect.left, dpi);
    const int top = twipsToPixels(definition.rect.top, dpi);
    const int laidOutHeight = twipsToPixels(definition.rect.height, dpi);
    const int heightInPixels = definition.kind == ControlKind::ComboBox
                                   ? droppedHeight(definition, laidOutHeight, font)
                                   : laidOutHeight;
    return {left, top, left + twipsToPixels(definition.rect.width, dpi), top + heightInPixels};
}

int fieldHeight(HWND combo) {
    RECT field;
    GetWindowRect(combo, &field);
    return height(field);
}

// Brings the combo's edit field to the laid-out height, unless its font needs
// more: never below the height of the font's characters without their
// internal leading. The field follows its item height with a border that
// differs between systems, so the item height is corrected by what the field measures.
void fitFieldHeight(HWND combo, int wantedHeight, HFONT font) {
    const TEXTMETRICW metrics = fontMetrics(font);
    const int leastItemHeight = metrics.tmHeight - metrics.tmInternalLeading;
    auto itemHeight =
        static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int measured = fieldHeight(combo);
        if (measured == wantedHeight) {
            return;
        }
        itemHeight = std::max(itemHeight + wantedHeight - measured, leastItemHeight);
        SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), itemHeight);
    }
}

DWORD tabStopStyle(TabStop tabStop) {
    // An option button becomes a tab stop when it is selected.
    return tabStop == TabStop::Always ? WS_TABSTOP : 0;
}

}  // namespace

HWND createControl(HWND parent, const ControlDefinition& definition, int dpi, HFONT font) {
    const ControlClass type = classOf(definition.kind);
    // Each control is a group of its own, so the dialog manager's arrow keys
    // never wander across the window; the option buttons have their own.
    const DWORD style =
        WS_CHILD | WS_VISIBLE | WS_GROUP | tabStopStyle(definition.tabStop) | type.style;
    const RECT place = placeFor(definition, dpi, font);
    const std::wstring caption = wide(definition.caption);
    const HWND control =
        CreateWindowExW(type.exStyle, type.name,
                        definition.kind == ControlKind::ComboBox ? nullptr : caption.c_str(), style,
                        place.left, place.top, width(place), height(place), parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(definition.id)),
                        GetModuleHandleW(nullptr), nullptr);
    if (control == nullptr) {
        return nullptr;
    }
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (definition.kind == ControlKind::ComboBox) {
        const auto items = listItems(definition.id);
        for (const std::u16string_view item : items) {
            SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(item).c_str()));
        }
        // Common controls 6 size the opened list by a count of visible items.
        SendMessageW(control, CB_SETMINVISIBLE, items.size(), 0);
        SetWindowTextW(control, caption.c_str());
        fitFieldHeight(control, twipsToPixels(definition.rect.height, dpi), font);
    }
    if (definition.kind == ControlKind::TextBox) {
        SendMessageW(control, EM_SETLIMITTEXT, 0, 0);  // no length limit
    }
    return control;
}

void placeControl(HWND control, const ControlDefinition& definition, int dpi, HFONT font) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    const RECT place = placeFor(definition, dpi, font);
    SetWindowPos(control, nullptr, place.left, place.top, width(place), height(place),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // Resizing may reset the field's height, so it is fitted last.
    if (definition.kind == ControlKind::ComboBox) {
        fitFieldHeight(control, twipsToPixels(definition.rect.height, dpi), font);
    }
}

}  // namespace vantrel::win32
