#include "win32/window/ControlWindows.h"

#include <commctrl.h>

#include <algorithm>
#include <span>

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

int itemHeight(HWND combo) {
    return static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
}

void setItemHeight(HWND combo, int pixels) {
    SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), pixels);
}

// Brings one combo's edit field to the wanted height, never below the least
// item height, starting from the given item height; returns the item height it
// ends with. The field follows its item height with a border that differs
// between systems, so the item height is corrected by what the field
// measures. It is carried here rather than read back: Wine's combo reports
// two more than it was given.
int fitFieldHeight(HWND combo, int wantedHeight, int leastItemHeight, int itemHeight) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int measured = fieldHeight(combo);
        if (measured == wantedHeight) {
            break;
        }
        itemHeight = std::max(itemHeight + wantedHeight - measured, leastItemHeight);
        setItemHeight(combo, itemHeight);
    }
    return itemHeight;
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
        // Each list starts with an item of its own: choosing it sets the field in one step.
        const auto initial = std::ranges::find(items, definition.caption);
        SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(initial - items.begin()), 0);
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
}

void fitListFields(std::span<const HWND> lists, int wantedHeight, HFONT font) {
    if (lists.empty()) {
        return;
    }
    const TEXTMETRICW metrics = fontMetrics(font);
    const int leastItemHeight = metrics.tmHeight - metrics.tmInternalLeading;
    // The lists share font and style: what fits the first fits the others,
    // each resized once. Each is measured all the same.
    const int fitted =
        fitFieldHeight(lists.front(), wantedHeight, leastItemHeight, itemHeight(lists.front()));
    for (const HWND list : lists.subspan(1)) {
        if (fieldHeight(list) != wantedHeight) {
            setItemHeight(list, fitted);
            fitFieldHeight(list, wantedHeight, leastItemHeight, fitted);
        }
    }
}

}  // namespace vantrel::win32
