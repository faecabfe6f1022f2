#include "driver/MainWindow.h"

#include <stdexcept>
#include <string>

#include "driver/CrossProcess.h"
#include "driver/ExpectedLayout.h"
#include "driver/KeyInput.h"
#include "driver/MessagePump.h"
#include "ports/ControlIds.h"
#include "win32/common/RectSize.h"

namespace e2e {

MainWindow::MainWindow(HWND window)
    : window_(window), threadId_(GetWindowThreadProcessId(window, nullptr)) {}

DWORD MainWindow::processId() const {
    DWORD process = 0;
    GetWindowThreadProcessId(window_, &process);
    return process;
}

HWND MainWindow::control(int id) const {
    HWND child = GetDlgItem(window_, id);
    if (child == nullptr) {
        throw std::runtime_error("the main window has no control with id " + std::to_string(id));
    }
    return child;
}

std::wstring MainWindow::text(int id) const {
    return windowText(control(id));
}

void MainWindow::typeText(int id, std::wstring_view text) {
    setWindowText(control(id), text);
}

bool MainWindow::isChecked(int id) const {
    return sendToProgram(control(id), BM_GETCHECK) == BST_CHECKED;
}

std::vector<std::wstring> MainWindow::listItems(int comboId) const {
    return comboItems(control(comboId));
}

void MainWindow::click(int id) {
    postClick(control(id));
}

void MainWindow::pickListItem(int comboId, int index) {
    HWND combo = control(comboId);
    sendToProgram(combo, CB_SETCURSEL, static_cast<WPARAM>(index));
    // The notice a combo box sends its parent when the user picks an item.
    PostMessageW(window_, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

void MainWindow::clickFreeArea() {
    // Midway between the last row of fields and the row of buttons, clear of every control.
    const RECT lastRow = controlRectInClient(vantrel::kStatusBox);
    const RECT buttons = controlRectInClient(vantrel::kStartButton);
    const int x = (lastRow.left + lastRow.right) / 2;
    const int y = (lastRow.bottom + buttons.top) / 2;
    PostMessageW(window_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageW(window_, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void MainWindow::clickStatusBar() {
    // The bar tells its window of a click when the button is released.
    const RECT bar = controlRectInClient(vantrel::kPhoneStatusBar);
    const LPARAM middle = MAKELPARAM((bar.right - bar.left) / 2, (bar.bottom - bar.top) / 2);
    PostMessageW(statusBar(), WM_LBUTTONDOWN, MK_LBUTTON, middle);
    PostMessageW(statusBar(), WM_LBUTTONUP, 0, middle);
}

std::wstring MainWindow::phoneStatus() const {
    return windowText(statusBar());
}

void MainWindow::chooseMenuItem(int id) {
    // What the menu sends its window when the user picks the item.
    PostMessageW(window_, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

bool MainWindow::pressKey(WORD virtualKey) {
    return pressKeyAndWait(virtualKey, false);
}

bool MainWindow::pressShiftTab() {
    return pressKeyAndWait(VK_TAB, true);
}

bool MainWindow::pressKeyAndWait(WORD virtualKey, bool shift) {
    activate();
    const HWND before = focusedWindow();
    sendKeyPress(virtualKey, shift);
    // Key presses come after the posted messages in the program's queue, so
    // settle() alone could return before the key is handled; the focus moves
    // while the program handles it.
    const bool moved = pumpUntil([&] { return focusedWindow() != before; });
    settle();
    return moved;
}

void MainWindow::activate() {
    if (!isActive()) {
        SetForegroundWindow(window_);
        if (!pumpUntil([this] { return isActive(); })) {
            throw std::runtime_error("the program's window did not become the foreground window");
        }
    }
    settle();
}

bool MainWindow::isActive() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetForegroundWindow() == window_ && GetGUIThreadInfo(threadId_, &info) &&
           info.hwndActive == window_;
}

void MainWindow::settle() {
    // The marker: Text1's "modified" flag, cleared now and set by a message
    // posted behind everything else. The program's thread handles its posted
    // messages in order, also inside a modal dialog's loop, so once the flag
    // reads set, all that came before has been handled.
    HWND marker = control(vantrel::kStatusBox);
    sendToProgram(marker, EM_SETMODIFY, FALSE);
    PostMessageW(marker, EM_SETMODIFY, TRUE, 0);
    if (!pumpUntil([marker] { return sendToProgram(marker, EM_GETMODIFY) != 0; })) {
        throw std::runtime_error("the program did not get through its posted messages in time");
    }
}

bool MainWindow::answers() const {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL,
                               static_cast<UINT>(kPatience.count()), &result) != 0;
}

HWND MainWindow::focusedWindow() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(threadId_, &info) ? info.hwndFocus : nullptr;
}

int MainWindow::focusedControlId() const {
    HWND focused = focusedWindow();
    if (focused == nullptr || !IsChild(window_, focused)) {
        return 0;
    }
    while (GetAncestor(focused, GA_PARENT) != window_) {
        focused = GetAncestor(focused, GA_PARENT);
    }
    return GetDlgCtrlID(focused);
}

RECT MainWindow::controlRectInClient(int id) const {
    return vantrel::win32::rectInClientArea(window_, control(id));
}

SIZE MainWindow::clientSize() const {
    RECT client{};
    GetClientRect(window_, &client);
    return {client.right - client.left, client.bottom - client.top};
}

int MainWindow::dpi() const {
    return screenDpi();
}

}  // namespace e2e
