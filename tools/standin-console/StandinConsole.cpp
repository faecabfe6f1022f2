// A stand-in for a console window, for trying Vantrel where no real Windows
// console exists (Wine's consoles have another window class). It registers
// the class "ConsoleWindowClass", so Vantrel types into it, and shows every
// line it receives as WM_CHAR messages; a carriage return ends a line.
#include <windows.h>

#include <string>

namespace {

constexpr wchar_t kConsoleClass[] = L"ConsoleWindowClass";
constexpr int kLogId = 1;

std::wstring pendingLine;  // the line being typed, kept whole so surrogate pairs stay together

void appendLine(HWND window, const std::wstring& line) {
    const HWND log = GetDlgItem(window, kLogId);
    const std::wstring entry = L"> " + line + L"\r\n";
    const int end = GetWindowTextLengthW(log);
    SendMessageW(log, EM_SETSEL, static_cast<WPARAM>(end), end);
    SendMessageW(log, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(entry.c_str()));
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: {
            const HWND log = CreateWindowExW(
                WS_EX_CLIENTEDGE, L"EDIT", nullptr,
                WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0,
                0, 0, 0, window, reinterpret_cast<HMENU>(kLogId), nullptr, nullptr);
            SendMessageW(log, WM_SETFONT,
                         reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
            SendMessageW(log, EM_SETLIMITTEXT, 0, 0);
            return 0;
        }
        case WM_SIZE:
            MoveWindow(GetDlgItem(window, kLogId), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            return 0;
        case WM_CHAR:
            if (wParam == L'\r') {
                appendLine(window, pendingLine);
                pendingLine.clear();
            } else {
                pendingLine += static_cast<wchar_t>(wParam);
            }
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    windowClass.lpszClassName = kConsoleClass;
    RegisterClassExW(&windowClass);

    // At the right edge of the screen, clear of Vantrel's window, which opens at the left.
    constexpr int kWidth = 520;
    constexpr int kHeight = 300;
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const HWND window = CreateWindowExW(0, kConsoleClass, L"cmd (stand-in)", WS_OVERLAPPEDWINDOW,
                                        work.right - kWidth, work.top, kWidth, kHeight, nullptr,
                                        nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    ShowWindow(window, showCommand);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);  // no TranslateMessage: keys typed here are not lines
    }
    return static_cast<int>(message.wParam);
}
