#include "driver/ProgramDialog.h"

#include <stdexcept>
#include <string>

#include "driver/CrossProcess.h"

namespace e2e {
namespace {

BOOL CALLBACK matchDialog(HWND window, LPARAM lParam) {
    if (className(window) == L"#32770" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(lParam) = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND ProgramDialog::findOpen(DWORD programThreadId) {
    HWND found = nullptr;
    EnumThreadWindows(programThreadId, &matchDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

ProgramDialog ProgramDialog::waitFor(DWORD programThreadId, std::chrono::milliseconds timeout) {
    HWND found = nullptr;
    pumpUntil([&] { return (found = findOpen(programThreadId)) != nullptr; }, timeout);
    if (found == nullptr) {
        throw std::runtime_error("the program showed no dialog");
    }
    return ProgramDialog(found);
}

HWND ProgramDialog::item(int id) const {
    HWND control = GetDlgItem(dialog_, id);
    if (control == nullptr) {
        throw std::runtime_error("the dialog has no control with id " + std::to_string(id));
    }
    return control;
}

std::wstring ProgramDialog::title() const {
    return windowText(dialog_);
}

std::wstring ProgramDialog::messageText() const {
    return windowText(item(kMessageTextId));
}

std::wstring ProgramDialog::prompt() const {
    return windowText(item(kPromptTextId));
}

std::wstring ProgramDialog::answer() const {
    return windowText(item(kAnswerEditId));
}

StandardIcon ProgramDialog::icon() const {
    HWND shown = GetDlgItem(dialog_, kMessageIconId);
    if (shown == nullptr) {
        return StandardIcon::None;
    }
    StandardIcon icon = StandardIcon::None;
    pumpUntil([&] { return (icon = shownStandardIcon(shown)) != StandardIcon::None; });
    return icon;
}

bool ProgramDialog::hasButton(int id) const {
    return GetDlgItem(dialog_, id) != nullptr;
}

int ProgramDialog::defaultButton() const {
    // The one drawn as the default, which Enter presses.
    for (HWND child = GetWindow(dialog_, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
        if (className(child) == L"Button" && (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
            return GetDlgCtrlID(child);
        }
    }
    return 0;
}

void ProgramDialog::setAnswer(std::wstring_view text) {
    setWindowText(item(kAnswerEditId), text);
}

std::vector<std::wstring> ProgramDialog::fileTypes() const {
    return comboItems(item(kOpenFileTypesId));
}

void ProgramDialog::chooseFile(std::wstring_view path) {
    HWND field = item(kOpenFileNameId);
    HWND edit = nullptr;
    // The edit field lies inside the ComboBoxEx's combo box.
    for (HWND inside = field; inside != nullptr && edit == nullptr;
         inside = GetWindow(inside, GW_CHILD)) {
        edit = FindWindowExW(inside, nullptr, L"Edit", nullptr);
    }
    if (edit == nullptr) {
        throw std::runtime_error("the Open dialog has no file-name field");
    }
    setWindowText(edit, path);
    press(IDOK);
}

void ProgramDialog::press(int id) {
    postClick(item(id));
    HWND dialog = dialog_;
    if (!pumpUntil([dialog] { return !IsWindow(dialog) || !IsWindowVisible(dialog); })) {
        throw std::runtime_error("the dialog did not close after button " + std::to_string(id));
    }
}

}  // namespace e2e
