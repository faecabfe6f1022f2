#include "win32/window/MainWindow.h"

#include <commctrl.h>

#include <array>
#include <vector>

#include "app/WindowLayout.h"
#include "win32/common/MessageFont.h"
#include "win32/common/RectSize.h"
#include "win32/common/SystemFunction.h"
#include "win32/common/WideText.h"
#include "win32/window/ControlWindows.h"
#include "win32/window/DeviceNotification.h"
#include "win32/window/DroppedFiles.h"
#include "win32/window/InputPromptDialog.h"
#include "win32/window/MainMenu.h"
#include "win32/window/WindowDpi.h"

namespace vantrel::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"Vantrel.Form1";
constexpr wchar_t kOwnerClass[] = L"Vantrel.Owner";

// A fixed dialog frame: caption and system menu, no minimize or maximize box,
// no sizing border. Overlapped, so that Windows picks its default position.
// It takes dropped files, also on its controls.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_ACCEPTFILES;

constexpr int kIconResource = 1;
// Posted by each finished look for the phones and the tools.
constexpr UINT kPhonesSurveyedMessage = WM_APP + 1;

DWORD lastErrorOr(DWORD fallback) {
    const DWORD error = GetLastError();
    return error != ERROR_SUCCESS ? error : fallback;
}

bool registerClass(const WNDCLASSEXW& windowClass) {
    // A second window in one process (the tests make several) finds its class made.
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool registerClasses(HINSTANCE instance, WNDPROC windowProc) {
    WNDCLASSEXW owner{};
    owner.cbSize = sizeof(owner);
    owner.lpfnWndProc = DefWindowProcW;
    owner.hInstance = instance;
    owner.lpszClassName = kOwnerClass;

    WNDCLASSEXW main{};
    main.cbSize = sizeof(main);
    main.lpfnWndProc = windowProc;
    main.hInstance = instance;
    main.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIconResource));
    // Loaded at its size, or Windows would make it from the big one at every start.
    main.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconResource),
                                                 IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                 GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    main.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    main.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    main.lpszClassName = kWindowClass;
    return registerClass(owner) && registerClass(main);
}

// Explorer runs without administrator rights: its drops reach an elevated
// Vantrel only through the window's message filter (Windows 7 and later).
void letDropsThroughMessageFilter(HWND window) {
    using ChangeFilterFunction = BOOL WINAPI(HWND, UINT, DWORD, void*);
    const auto changeFilter =
        systemFunction<ChangeFilterFunction>(L"user32.dll", "ChangeWindowMessageFilterEx");
    if (changeFilter == nullptr) {
        return;
    }
    constexpr DWORD kAllow = 1;               // MSGFLT_ALLOW
    constexpr UINT kCopyGlobalData = 0x0049;  // WM_COPYGLOBALDATA, which carries the file list
    for (const UINT message : {UINT{WM_DROPFILES}, UINT{WM_COPYDATA}, kCopyGlobalData}) {
        changeFilter(window, message, kAllow, nullptr);
    }
}

int listFieldHeight(int dpi) {
    return twipsToPixels(kListFieldHeightTwips, dpi);
}

// One part across the whole width, without a size grip (the frame is fixed).
HWND createStatusBar(HWND parent, HFONT font) {
    const HWND bar = CreateWindowExW(
        0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPhoneStatusBar)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
    if (bar != nullptr) {
        int rightEdges[] = {-1};
        SendMessageW(bar, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(rightEdges));
        SendMessageW(bar, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    return bar;
}

// The bar takes its height from its font and its place from the window's width.
int fittedHeight(HWND statusBar) {
    SendMessageW(statusBar, WM_SIZE, 0, 0);
    RECT rect;
    GetWindowRect(statusBar, &rect);
    return height(rect);
}

bool isChecked(HWND button) {
    return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// The main window's child that holds this window (a combo box's edit field is the combo's child).
HWND childOfWindow(HWND window, HWND descendant) {
    while (descendant != nullptr && GetParent(descendant) != window) {
        descendant = GetParent(descendant);
    }
    return descendant;
}

std::optional<ArrowKey> arrowKey(WPARAM virtualKey) {
    switch (virtualKey) {
        case VK_UP:
            return ArrowKey::Up;
        case VK_DOWN:
            return ArrowKey::Down;
        case VK_LEFT:
            return ArrowKey::Left;
        case VK_RIGHT:
            return ArrowKey::Right;
        default:
            return std::nullopt;
    }
}

UINT boxStyle(BoxKind kind) {
    switch (kind) {
        case BoxKind::Confirmation:
            return MB_YESNO | MB_ICONINFORMATION;
        case BoxKind::Error:
            return MB_OKCANCEL | MB_ICONERROR;
        case BoxKind::Information:
            return MB_OK | MB_ICONINFORMATION;
        case BoxKind::Question:
            return MB_YESNO | MB_ICONQUESTION;
        case BoxKind::Warning:
            return MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2;  // Enter must not flash
        case BoxKind::Failure:
            return MB_OK | MB_ICONERROR;
        case BoxKind::Notice:
            break;
    }
    return MB_OK | MB_ICONWARNING;
}

BoxAnswer boxAnswer(int pressed) {
    switch (pressed) {
        case IDOK:
            return BoxAnswer::Ok;
        case IDYES:
            return BoxAnswer::Yes;
        case IDNO:
            return BoxAnswer::No;
        default:  // Cancel, or a box that could not be shown
            return BoxAnswer::Cancel;
    }
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, Platform& platform, ControlMaker makeControl)
    : form_(platform, *this), makeControl_(makeControl) {
    creationError_ = createWindow(instance);
    if (creationError_ != ERROR_SUCCESS) {
        window_.reset();  // nothing half-built stays
    }
}

DWORD MainWindow::createWindow(HINSTANCE instance) {
    if (!registerClasses(instance, &windowProc)) {
        return lastErrorOr(ERROR_CLASS_DOES_NOT_EXIST);
    }
    owner_.reset(CreateWindowExW(0, kOwnerClass, L"Vantrel", WS_OVERLAPPED, 0, 0, 0, 0, nullptr,
                                 nullptr, instance, nullptr));
    UniqueMenu menu = createMenuBar();
    if (!owner_ || !menu) {
        return lastErrorOr(ERROR_NOT_ENOUGH_MEMORY);
    }
    // Made at its size for the system's DPI; a window that opens on a monitor
    // of another DPI is sized again below.
    const int startDpi = systemDpi();
    const RECT frame = frameForClientArea({0, 0, twipsToPixels(kClientWidthTwips, startDpi),
                                           twipsToPixels(kClientHeightTwips, startDpi)},
                                          kStyle, kExStyle, startDpi);
    window_.reset(CreateWindowExW(kExStyle, kWindowClass, wide(kWindowCaption).c_str(), kStyle,
                                  CW_USEDEFAULT, CW_USEDEFAULT, width(frame), height(frame),
                                  owner_.get(), menu.get(), instance, this));
    if (!window_) {
        return lastErrorOr(ERROR_NOT_ENOUGH_MEMORY);
    }
    menu.release();  // the window destroys its menu bar
    letDropsThroughMessageFilter(window_.get());
    const int dpi = windowDpi(window_.get());
    if (const DWORD error = createControls(dpi); error != ERROR_SUCCESS) {
        return error;
    }
    sizeClientArea(dpi);
    return ERROR_SUCCESS;
}

DWORD MainWindow::createControls(int dpi) {
    const LOGFONTW logFont = messageFont(dpi);
    font_.reset(CreateFontIndirectW(&logFont));
    if (!font_) {
        return lastErrorOr(ERROR_NOT_ENOUGH_MEMORY);
    }
    // Creation order is the tab order: the dialog manager tabs through the
    // children in the order they were made.
    for (const ControlDefinition& definition : controlsInTabOrder()) {
        if (makeControl_(window_.get(), definition, dpi, font_.get()) == nullptr) {
            return lastErrorOr(ERROR_NOT_ENOUGH_MEMORY);
        }
    }
    fitListFields(lists(), listFieldHeight(dpi), font_.get());
    statusBar_ = createStatusBar(window_.get(), font_.get());
    return statusBar_ != nullptr ? ERROR_SUCCESS : lastErrorOr(ERROR_NOT_ENOUGH_MEMORY);
}

std::array<HWND, 3> MainWindow::lists() const {
    return {control(kNormalActionList), control(kBootloaderActionList),
            control(kTransferDirectionList)};
}

void MainWindow::sizeClientArea(int dpi) {
    const RECT wanted{0, 0, twipsToPixels(kClientWidthTwips, dpi),
                      twipsToPixels(kClientHeightTwips, dpi) + fittedHeight(statusBar_)};
    RECT client;
    GetClientRect(window_.get(), &client);
    if (width(client) == width(wanted) && height(client) == height(wanted)) {
        return;
    }
    // A menu bar that wraps onto a second line is taller than the frame allows
    // for: the frame grows by what the client area lacks.
    RECT frame;
    GetWindowRect(window_.get(), &frame);
    SetWindowPos(window_.get(), nullptr, 0, 0, width(frame) + width(wanted) - width(client),
                 height(frame) + height(wanted) - height(client),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::layoutForDpi(int dpi) {
    const LOGFONTW logFont = messageFont(dpi);
    UniqueFont font(CreateFontIndirectW(&logFont));
    if (!font) {
        return;  // the old font stays: the window keeps its look rather than losing its text
    }
    const RECT frame = frameForClientArea(
        {0, 0, twipsToPixels(kClientWidthTwips, dpi), twipsToPixels(kClientHeightTwips, dpi)},
        kStyle, kExStyle, dpi);
    SetWindowPos(window_.get(), nullptr, 0, 0, width(frame), height(frame),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (const ControlDefinition& definition : controlsInTabOrder()) {
        placeControl(control(definition.id), definition, dpi, font.get());
    }
    fitListFields(lists(), listFieldHeight(dpi), font.get());
    // The bar's height follows its new font; the frame then makes room for it.
    SendMessageW(statusBar_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    sizeClientArea(dpi);
    font_ = std::move(font);  // the old font goes only once no control uses it
}

int MainWindow::run(int showCommand) {
    running_ = true;
    showCommand_ = showCommand;
    form_.start();
    watchPhones();

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (arrowKeyTaken(message)) {
            continue;
        }
        if (!IsDialogMessageW(window_.get(), &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

void MainWindow::watchPhones() {
    // Only now: asking Windows for its devices never delays the window's appearance.
    deviceNotification_ = registerForAndroidInterfaces(window_.get());
    phoneCounter_.emplace(window_.get(), kPhonesSurveyedMessage);
    phoneCounter_->countNow();
}

bool MainWindow::arrowKeyTaken(const MSG& message) {
    if (message.message != WM_KEYDOWN || GetParent(message.hwnd) != window_.get()) {
        return false;
    }
    const std::optional<ArrowKey> key = arrowKey(message.wParam);
    return key && form_.arrowKeyPressed(GetDlgCtrlID(message.hwnd), *key);
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
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            if (header.idFrom == kPhoneStatusBar && header.code == NM_CLICK) {
                form_.clicked(kPhoneStatusBar);
            }
            return 0;
        }
        case WM_SIZE:
            if (statusBar_ != nullptr) {
                SendMessageW(statusBar_, WM_SIZE, 0, 0);  // it keeps to the bottom edge
            }
            return 0;
        case WM_DEVICECHANGE:
            if (phoneCounter_ && devicesChanged(wParam)) {
                phoneCounter_->countWhenQuiet();
            }
            return TRUE;
        case WM_TIMER:
            if (phoneCounter_) {
                phoneCounter_->timerFired(wParam);
            }
            return 0;
        case kPhonesSurveyedMessage:
            if (std::optional<PhoneSurvey> survey =
                    phoneCounter_ ? phoneCounter_->takeSurvey() : std::nullopt) {
                form_.phonesSurveyed(*survey);
            }
            return 0;
        case WM_LBUTTONDOWN:  // only clicks outside every control reach the window itself
            form_.freeAreaClicked();
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                focusBeforeDeactivation_ = GetFocus();
                break;
            }
            // The user may be back from copying adb and fastboot.
            form_.windowActivated();
            // Like a dialog, the window gives the focus back to the control that had it.
            if (focusBeforeDeactivation_ != nullptr && IsChild(window, focusBeforeDeactivation_)) {
                restoreFocus();
                return 0;
            }
            break;
        case WM_DROPFILES: {
            const std::vector<std::u16string> paths =
                takeDroppedFiles(reinterpret_cast<HGLOBAL>(wParam));
            form_.filesDropped(paths);
            return 0;
        }
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
            if (running_) {
                PostQuitMessage(0);
            }
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

void MainWindow::restoreFocus() {
    HWND target = focusBeforeDeactivation_;
    const int hadFocus = GetDlgCtrlID(childOfWindow(window_.get(), target));
    if (const std::optional<ControlId> instead = form_.focusInsteadOnReactivation(hadFocus)) {
        target = control(*instead);
    }
    SetFocus(target);
}

void MainWindow::onCommand(int id, int notification) {
    if (notification == BN_SETFOCUS) {
        const bool mousePress = (GetKeyState(VK_LBUTTON) & 0x8000) != 0;
        form_.focusArrived(id, mousePress);
        return;
    }
    // Menu items and buttons report BN_CLICKED (0), Enter and Esc come as IDOK
    // and IDCANCEL; the lists and the text box report other notifications only.
    if (notification == BN_CLICKED) {
        form_.clicked(id);
    }
}

bool MainWindow::isSelected(Mode mode) const {
    return isChecked(control(optionOf(mode)));
}

std::u16string MainWindow::listText(List list) const {
    return windowText(control(listControlOf(list)));
}

std::u16string MainWindow::statusText() const {
    return windowText(control(kStatusBox));
}

void MainWindow::setStatusText(const std::u16string& text) {
    SetWindowTextW(control(kStatusBox), wide(text).c_str());
}

void MainWindow::setPhoneStatus(const std::u16string& text) {
    SendMessageW(statusBar_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(wide(text).c_str()));
}

void MainWindow::lookForPhonesAgain() {
    if (phoneCounter_) {
        phoneCounter_->countNow();
    }
}

void MainWindow::selectMode(Mode selected) {
    // Only what changes is touched: each change is a round trip to the window
    // server under Wine.
    for (const Mode mode : kModes) {
        const HWND button = control(optionOf(mode));
        const bool on = mode == selected;
        if (isChecked(button) != on) {
            SendMessageW(button, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        // Of the four, Tab stops at the selected one only.
        const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
        const LONG_PTR wanted = on ? style | WS_TABSTOP : style & ~LONG_PTR{WS_TABSTOP};
        if (wanted != style) {
            SetWindowLongPtrW(button, GWL_STYLE, wanted);
        }
    }
}

void MainWindow::focusControl(ControlId id) {
    SetFocus(control(id));
}

void MainWindow::setCaption(const std::u16string& caption) {
    SetWindowTextW(window_.get(), wide(caption).c_str());
}

void MainWindow::show() {
    ShowWindow(window_.get(), showCommand_);
    UpdateWindow(window_.get());
}

std::u16string MainWindow::inputPrompt(std::u16string_view prompt, std::u16string_view title,
                                       std::u16string_view defaultText) {
    return showInputPrompt(window_.get(), prompt, title, defaultText);
}

BoxAnswer MainWindow::messageBox(std::u16string_view text, BoxKind kind,
                                 std::u16string_view title) {
    return boxAnswer(
        MessageBoxW(window_.get(), wide(text).c_str(), wide(title).c_str(), boxStyle(kind)));
}

std::optional<std::u16string> MainWindow::chooseFile(const FileChoice& choice) {
    return openFileDialog_.show(window_.get(), choice);
}

bool MainWindow::showDeviceProperties(std::u16string_view instanceId) {
    return devicePropertiesDialog_.show(window_.get(), instanceId);
}

}  // namespace vantrel::win32
