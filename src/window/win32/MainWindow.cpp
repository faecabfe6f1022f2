#include "window/win32/MainWindow.h"

#include <algorithm>
#include <array>

#include "platform/win32/MessageFont.h"
#include "platform/win32/RectSize.h"
#include "platform/win32/WideText.h"
#include "window/FormLayout.h"
#include "window/win32/ControlWindows.h"
#include "window/win32/MainMenu.h"
#include "window/win32/WindowDpi.h"

namespace vantrel::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"Vantrel.Form1";
constexpr wchar_t kOwnerClass[] = L"Vantrel.Owner";

// A fixed dialog frame: caption and system menu, no minimize or maximize box,
// no sizing border. Overlapped, so that Windows picks its default position.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

constexpr int kIconResource = 1;

// Option1 to Option4, in the order of Mode.
constexpr std::array kOptions{kOption1, kOption2, kOption3, kOption4};
constexpr std::array kLists{kCombo1, kCombo2, kCombo3};

bool isOption(int id) {
    return std::ranges::find(kOptions, id) != kOptions.end();
}

bool isChecked(HWND button) {
    return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void registerClasses(HINSTANCE instance, WNDPROC windowProc) {
    WNDCLASSEXW owner{};
    owner.cbSize = sizeof(owner);
    owner.lpfnWndProc = DefWindowProcW;
    owner.hInstance = instance;
    owner.lpszClassName = kOwnerClass;
    RegisterClassExW(&owner);

    WNDCLASSEXW main{};
    main.cbSize = sizeof(main);
    main.lpfnWndProc = windowProc;
    main.hInstance = instance;
    main.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIconResource));
    main.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    main.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    main.lpszClassName = kWindowClass;
    RegisterClassExW(&main);
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, Win32Platform& platform) : form_(platform, *this) {
    createWindow(instance);
}

void MainWindow::createWindow(HINSTANCE instance) {
    registerClasses(instance, &windowProc);
    owner_.reset(CreateWindowExW(0, kOwnerClass, L"Vantrel", WS_OVERLAPPED, 0, 0, 0, 0, nullptr,
                                 nullptr, instance, nullptr));
    UniqueMenu menu = createMenuBar();
    window_.reset(CreateWindowExW(kExStyle, kWindowClass, wide(kFormCaption).c_str(), kStyle,
                                  CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, owner_.get(), menu.get(),
                                  instance, this));
    if (!window_) {
        return;
    }
    menu.release();  // the window destroys its menu bar

    // Creation order is the tab order: the dialog manager tabs through the
    // children in the order they were made.
    for (const ControlSpec& definition : controlsInTabOrder()) {
        createControl(window_.get(), definition);
    }
    layoutForDpi(windowDpi(window_.get()));
}

void MainWindow::layoutForDpi(int dpi) {
    const LOGFONTW logFont = messageFont(dpi);
    UniqueFont font(CreateFontIndirectW(&logFont));
    sizeClientArea(dpi);
    for (const ControlSpec& definition : controlsInTabOrder()) {
        placeControl(control(definition.id), definition, dpi, font.get());
    }
    font_ = std::move(font);  // the old font goes only once no control uses it
}

void MainWindow::sizeClientArea(int dpi) {
    const RECT wanted{0, 0, twipsToPixels(kClientWidthTwips, dpi),
                      twipsToPixels(kClientHeightTwips, dpi)};
    const RECT frame = frameForClientArea(wanted, kStyle, kExStyle, dpi);
    constexpr UINT kResizeOnly = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(window_.get(), nullptr, 0, 0, width(frame), height(frame), kResizeOnly);

    // A menu bar that wraps onto a second line is taller than the frame allows for.
    RECT client;
    GetClientRect(window_.get(), &client);
    if (width(client) != width(wanted) || height(client) != height(wanted)) {
        SetWindowPos(window_.get(), nullptr, 0, 0, width(frame) + width(wanted) - width(client),
                     height(frame) + height(wanted) - height(client), kResizeOnly);
    }
}

int MainWindow::run(int showCommand) {
    form_.load();  // may open a console before the window shows
    ShowWindow(window_.get(), showCommand);
    UpdateWindow(window_.get());

    // Option1 comes first in the tab order and takes the focus; an option
    // button that takes the focus is chosen, which runs its click handler.
    SetFocus(control(kOption1));

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window_.get(), &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

LRESULT CALLBACK MainWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->handleMessage(window, message, wParam, lParam);
}

LRESULT MainWindow::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            onCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_LBUTTONDOWN:  // only clicks outside every control reach the window itself
            form_.clientAreaClick();
            return 0;
        case WM_ACTIVATE:
            // Like a dialog, the window gives the focus back to the control that had it.
            if (LOWORD(wParam) == WA_INACTIVE) {
                focusBeforeDeactivation_ = GetFocus();
            } else if (focusBeforeDeactivation_ != nullptr &&
                       IsChild(window, focusBeforeDeactivation_)) {
                SetFocus(focusBeforeDeactivation_);
                return 0;
            }
            break;
        case WM_DPICHANGED: {
            // Moved to a monitor of another DPI, or the user changed its scale: the
            // window takes the position Windows suggests, and its size and every
            // control's from the twips again, with fonts made for the new DPI.
            const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window, nullptr, suggested.left, suggested.top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            layoutForDpi(HIWORD(wParam));
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            window_.release();  // gone already
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void MainWindow::onCommand(int id, int notification) {
    // The dialog manager turns Enter and Esc into IDOK and IDCANCEL; they start nothing.
    if (id == IDOK || id == IDCANCEL) {
        return;
    }
    if (notification == BN_SETFOCUS) {
        // An option button that takes the focus (by Tab, or at start-up) is chosen as if
        // clicked. A mouse click reports its own BN_CLICKED when the button is released.
        const bool mouseDown = (GetKeyState(VK_LBUTTON) & 0x8000) != 0;
        if (isOption(id) && !mouseDown && !isChecked(control(static_cast<ControlId>(id)))) {
            onCommand(id, BN_CLICKED);
        }
        return;
    }
    // Menu items and buttons report BN_CLICKED (0); the lists and the text box never do.
    if (notification != BN_CLICKED) {
        return;
    }
    // The four option buttons form one group although the tab order puts
    // other controls between them, so the window keeps the single check itself.
    if (isOption(id)) {
        checkOnly(static_cast<ControlId>(id));
    }
    form_.click(static_cast<ControlId>(id));
}

void MainWindow::checkOnly(ControlId option) {
    for (const ControlId id : kOptions) {
        const HWND button = control(id);
        SendMessageW(button, BM_SETCHECK, id == option ? BST_CHECKED : BST_UNCHECKED, 0);
        // Unchecking a radio button drops its tab stop; every option keeps its tab position.
        SetWindowLongPtrW(button, GWL_STYLE, GetWindowLongPtrW(button, GWL_STYLE) | WS_TABSTOP);
    }
}

bool MainWindow::isSelected(Mode mode) const {
    return isChecked(control(kOptions[static_cast<std::size_t>(mode)]));
}

std::u16string MainWindow::listText(List list) const {
    return windowText(control(kLists[static_cast<std::size_t>(list)]));
}

std::u16string MainWindow::statusText() const {
    return windowText(control(kText1));
}

void MainWindow::setStatusText(const std::u16string& text) {
    SetWindowTextW(control(kText1), wide(text).c_str());
}

}  // namespace vantrel::win32
