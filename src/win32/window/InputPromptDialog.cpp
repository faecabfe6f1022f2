#include "win32/window/InputPromptDialog.h"

#include <algorithm>
#include <cstdlib>

#include "win32/common/MessageFont.h"
#include "win32/common/RectSize.h"
#include "win32/common/UniqueHandles.h"
#include "win32/common/WideText.h"
#include "win32/window/DialogTemplate.h"

namespace vantrel::win32 {
namespace {

// Layout in dialog units. The prompt starts one line high and grows to the
// height its wrapped text needs once the dialog knows its real font.
constexpr short kMargin = 7;
constexpr short kWidth = 250;
constexpr short kInnerWidth = kWidth - 2 * kMargin;
constexpr short kPromptLineHeight = 8;
constexpr short kEditTop = kMargin + kPromptLineHeight + 5;
constexpr short kEditHeight = 13;
constexpr short kButtonWidth = 50;
constexpr short kButtonHeight = 14;
constexpr short kButtonTop = kEditTop + kEditHeight + 8;
constexpr short kHeight = kButtonTop + kButtonHeight + kMargin;

struct PromptState {
    std::u16string_view defaultText;
    std::u16string answer;
};

DialogTemplate promptTemplate(std::u16string_view prompt, std::u16string_view title) {
    const int dpi = systemDpi();
    const LOGFONTW font = messageFont(dpi);
    const auto points = static_cast<WORD>(MulDiv(std::abs(font.lfHeight), 72, dpi));

    DialogTemplate dialog(DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                          {0, 0, kWidth, kHeight}, wide(title), points, font.lfFaceName);
    dialog.addControl(DialogControl::Static, kPromptTextId,
                      WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL, 0,
                      {kMargin, kMargin, kInnerWidth, kPromptLineHeight}, wide(prompt));
    dialog.addControl(DialogControl::Edit, kAnswerEditId,
                      WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
                      {kMargin, kEditTop, kInnerWidth, kEditHeight}, L"");
    constexpr short kCancelLeft = kWidth - kMargin - kButtonWidth;
    constexpr short kOkLeft = kCancelLeft - 4 - kButtonWidth;
    dialog.addControl(DialogControl::Button, IDOK,
                      WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0,
                      {kOkLeft, kButtonTop, kButtonWidth, kButtonHeight}, L"确定");
    dialog.addControl(DialogControl::Button, IDCANCEL,
                      WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0,
                      {kCancelLeft, kButtonTop, kButtonWidth, kButtonHeight}, L"取消");
    return dialog;
}

// Height in pixels that the prompt's text needs when wrapped to its width.
int wrappedTextHeight(HWND text) {
    RECT bounds;
    GetClientRect(text, &bounds);
    const std::wstring content = wide(windowText(text));
    const WindowDc dc(text);
    const SelectedObject font(dc.get(),
                              reinterpret_cast<HGDIOBJ>(SendMessageW(text, WM_GETFONT, 0, 0)));
    DrawTextW(dc.get(), content.c_str(), static_cast<int>(content.size()), &bounds,
              DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
    return height(bounds);
}

void moveDown(HWND dialog, int id, int pixels) {
    const HWND control = GetDlgItem(dialog, id);
    const RECT rect = rectInClientArea(dialog, control);
    SetWindowPos(control, nullptr, rect.left, rect.top + pixels, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Grows the prompt, and the dialog with it, until every line of it shows.
void fitPrompt(HWND dialog) {
    const HWND prompt = GetDlgItem(dialog, kPromptTextId);
    const RECT promptRect = rectInClientArea(dialog, prompt);
    const int extra = wrappedTextHeight(prompt) - height(promptRect);
    if (extra <= 0) {
        return;
    }
    SetWindowPos(prompt, nullptr, 0, 0, width(promptRect), height(promptRect) + extra,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (const int id : {kAnswerEditId, IDOK, IDCANCEL}) {
        moveDown(dialog, id, extra);
    }
    RECT frame;
    GetWindowRect(dialog, &frame);
    SetWindowPos(dialog, nullptr, 0, 0, width(frame), height(frame) + extra,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Centers the dialog in the work area of the monitor that shows its owner.
void centerOnOwnersMonitor(HWND dialog) {
    const HWND owner = GetWindow(dialog, GW_OWNER);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(owner != nullptr ? owner : dialog, MONITOR_DEFAULTTONEAREST),
                    &monitor);
    const RECT& work = monitor.rcWork;
    RECT frame;
    GetWindowRect(dialog, &frame);
    SetWindowPos(dialog, nullptr, work.left + (width(work) - width(frame)) / 2,
                 std::max(work.top, work.top + (height(work) - height(frame)) / 2), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void initialize(HWND dialog, PromptState& state) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&state));
    fitPrompt(dialog);
    centerOnOwnersMonitor(dialog);

    const HWND answer = GetDlgItem(dialog, kAnswerEditId);
    // Answers may be long (a path, a list of arguments): no limit short of the maximum.
    SendMessageW(answer, EM_SETLIMITTEXT, 0, 0);
    SetWindowTextW(answer, wide(state.defaultText).c_str());
    SetFocus(answer);
    SendMessageW(answer, EM_SETSEL, 0, -1);
}

INT_PTR CALLBACK promptProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            initialize(dialog, *reinterpret_cast<PromptState*>(lParam));
            return FALSE;  // the focus is set already
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK: {
                    auto& state =
                        *reinterpret_cast<PromptState*>(GetWindowLongPtrW(dialog, DWLP_USER));
                    state.answer = windowText(GetDlgItem(dialog, kAnswerEditId));
                    EndDialog(dialog, IDOK);
                    return TRUE;
                }
                case IDCANCEL:  // also Esc and the close box
                    EndDialog(dialog, IDCANCEL);
                    return TRUE;
                default:
                    return FALSE;
            }
        default:
            return FALSE;
    }
}

}  // namespace

std::u16string showInputPrompt(HWND owner, std::u16string_view prompt, std::u16string_view title,
                               std::u16string_view defaultText) {
    const DialogTemplate dialog = promptTemplate(prompt, title);
    PromptState state{defaultText, {}};
    const INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.get(), owner,
                                                   promptProc, reinterpret_cast<LPARAM>(&state));
    // A box that could not be shown (-1) is answered as Cancel: nothing the user
    // did not see is typed.
    return result == IDOK ? state.answer : std::u16string();
}

}  // namespace vantrel::win32
