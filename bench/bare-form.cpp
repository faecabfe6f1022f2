// The yardstick for vantrel.exe's own start-up: the same main window built the
// most direct way. Same frame, hidden owner, eleven controls with their texts
// and lists, status bar, menu bar, message font, manifest and common
// controls; each control made once at its final rectangle for the system's
// DPI, and the frame grown once by the status bar's height. Once it shows, it
// does the program's first work too: it registers for the Android interfaces'
// arrivals and removals and, on a thread of its own as the program must, loads
// SetupAPI and lists the USB devices once; the window puts what the thread
// found into the status bar.
#include <windows.h>

#include <commctrl.h>
#include <dbt.h>

#include <optional>
#include <span>
#include <string>

#include "bare-phone-count.h"
#include "win32/common/AndroidUsbInterface.h"
#include "win32/common/SystemLibrary.h"
#include "win32/common/UniqueHandles.h"

namespace {

using vantrel::win32::loadSystemLibrary;
using vantrel::win32::UniqueFont;
using vantrel::win32::UniqueHandle;
using vantrel::win32::UniqueModule;
using vantrel::win32::UniqueResource;
using vantrel::win32::UniqueWindow;

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP;
constexpr DWORD kOption = kChild | BS_AUTORADIOBUTTON | BS_NOTIFY;
constexpr DWORD kButton = kChild | BS_PUSHBUTTON;
constexpr DWORD kCombo = kChild | CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL;
constexpr DWORD kEdit = kChild | ES_AUTOHSCROLL;

using Texts = std::span<const wchar_t* const>;

constexpr const wchar_t* kCombo1Items[] = {
    L"手机重启", L"手机关机",   L"进入Shell",  L"列出ADB设备", L"重启进入Rec",       L"重启进入BL",
    L"ADB刷机",  L"无线调试",   L"模拟按键",   L"显示包名",    L"卸载Apk",           L"提取固件",
    L"同步时间", L"安装Magisk", L"安装X-pore", L"安装X浏览器", L"重启进入Fastbootd",
};
constexpr const wchar_t* kCombo2Items[] = {
    L"寻找Fastboot", L"刷Recovery",    L"重启",     L"刷入System", L"OEM解锁",
    L"刷入Boot",     L"查看槽位",      L"切换槽位", L"临时启动",   L"刷入Init_boot",
    L"刷入vbmeta",   L"进入Fastbootd", L"解锁BL",   L"线刷",
};
constexpr const wchar_t* kCombo3Items[] = {L"从电脑到手机", L"从手机到电脑"};

struct Control {
    const wchar_t* windowClass;
    const wchar_t* text;  // a drop-down list shows its first item instead
    DWORD style;
    DWORD exStyle;
    int id;
    int left, top, width, height;  // twips
    Texts items;
};

// In tab order, which is the order of creation.
constexpr Control kControls[] = {
    {L"BUTTON", L"正常模式", kOption, 0, 101, 120, 120, 1095, 375, {}},
    {L"BUTTON", L"BL模式", kOption, 0, 102, 120, 720, 975, 375, {}},
    {L"COMBOBOX", nullptr, kCombo, 0, 111, 1200, 120, 1695, 300, kCombo1Items},
    {L"COMBOBOX", nullptr, kCombo, 0, 112, 1200, 720, 1695, 300, kCombo2Items},
    {L"BUTTON", L"开始", kButton, 0, 132, 1680, 2520, 1095, 615, {}},
    {L"BUTTON", L"安装apk", kOption, 0, 104, 120, 1920, 1095, 375, {}},
    {L"EDIT", L"", kEdit, WS_EX_CLIENTEDGE, 121, 1200, 1920, 1695, 375, {}},
    {L"BUTTON", L"打开cmd", kButton, 0, 131, 240, 2520, 1095, 615, {}},
    {L"BUTTON", L"传输文件", kOption, 0, 103, 120, 1320, 1215, 375, {}},
    {L"BUTTON", L"Command3", kButton, 0, 133, 3240, 3720, 1095, 615, {}},
    {L"COMBOBOX", nullptr, kCombo, 0, 113, 1200, 1320, 1695, 300, kCombo3Items},
};

constexpr const wchar_t* kDisplayItems[] = {
    L"修改分辨率",  L"修改DPI", L"显示分辨率", L"显示DPI", L"恢复默认分辨率",
    L"恢复默认DPI", L"截屏",    L"推送图片",   L"键值",
};
constexpr const wchar_t* kStartupItems[] = {L"自动进入cmd", L"不自动进入cmd"};
constexpr const wchar_t* kHelpItems[] = {L"adb帮助", L"fastboot帮助", L"帮助文件", L"关于"};
constexpr const wchar_t* kDeviceItems[] = {L"指定设备", L"取消指定设备", L"无线配对"};

struct Menu {
    const wchar_t* caption;
    int firstId;
    Texts items;
};

constexpr Menu kMenus[] = {
    {L"显示", 201, kDisplayItems},
    {L"启动", 221, kStartupItems},
    {L"帮助", 241, kHelpItems},
    {L"设备", 261, kDeviceItems},
};

HMENU createMenuBar() {
    const HMENU bar = CreateMenu();
    for (const Menu& menu : kMenus) {
        const HMENU popup = CreatePopupMenu();
        UINT_PTR id = static_cast<UINT_PTR>(menu.firstId);
        for (const wchar_t* item : menu.items) {
            AppendMenuW(popup, MF_STRING, id++, item);
        }
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), menu.caption);
    }
    return bar;
}

std::wstring phoneText(std::optional<unsigned> phones) {
    if (!phones) {
        return L"无法检测手机连接";
    }
    if (*phones == 0) {
        return L"未检测到手机";
    }
    return L"已连接" + std::to_wstring(*phones) + L"台手机";
}

// Posted by the listing thread: wParam is the count of phones plus one, or 0
// when SetupAPI could not be asked.
constexpr UINT kPhonesCounted = WM_APP + 1;

DWORD WINAPI countPhonesOnItsOwnThread(void* window) {
    // Kept loaded, as the program keeps it for the next device change.
    static const UniqueModule setupApi = loadSystemLibrary(L"setupapi.dll");
    const std::optional<unsigned> phones = countPhones(setupApi.get());
    PostMessageW(static_cast<HWND>(window), kPhonesCounted, phones ? *phones + 1 : 0, 0);
    return 0;
}

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kPhonesCounted) {
        const std::wstring status = phoneText(
            wParam == 0 ? std::nullopt : std::optional(static_cast<unsigned>(wParam - 1)));
        SendMessageW(GetDlgItem(window, 141), SB_SETTEXTW, 0,
                     reinterpret_cast<LPARAM>(status.c_str()));
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    if (message == WM_SIZE) {
        SendMessageW(GetDlgItem(window, 141), WM_SIZE, 0, 0);  // the status bar follows
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    WNDCLASSEXW owner{};
    owner.cbSize = sizeof(owner);
    owner.lpfnWndProc = DefWindowProcW;
    owner.hInstance = instance;
    owner.lpszClassName = L"Vantrel.BareFormOwner";
    RegisterClassExW(&owner);
    WNDCLASSEXW main{};
    main.cbSize = sizeof(main);
    main.lpfnWndProc = windowProcedure;
    main.hInstance = instance;
    main.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    main.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXSMICON),
                                                 GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    main.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    main.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    main.lpszClassName = L"Vantrel.BareForm";
    RegisterClassExW(&main);

    // The window opens on the primary monitor, at the system's DPI, for which
    // the system's message font is already sized.
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const auto pixels = [dpi](int twips) { return MulDiv(twips, dpi, 1440); };
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    const UniqueFont font(CreateFontIndirectW(&metrics.lfMessageFont));

    const UniqueWindow ownerWindow(CreateWindowExW(0, owner.lpszClassName, L"Vantrel",
                                                   WS_OVERLAPPED, 0, 0, 0, 0, nullptr, nullptr,
                                                   instance, nullptr));
    RECT frame{0, 0, pixels(2955), pixels(3345)};
    AdjustWindowRectEx(&frame, kStyle, TRUE, kExStyle);
    // Closing the window destroys it, with its menu bar.
    const HWND window =
        CreateWindowExW(kExStyle, main.lpszClassName, L"Vantrel", kStyle, CW_USEDEFAULT,
                        CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                        ownerWindow.get(), createMenuBar(), instance, nullptr);

    for (const Control& control : kControls) {
        // A drop-down list's window also holds its opened list: room for every
        // item at the field's height, which the list shrinks to what it needs.
        const int height = control.height * (1 + static_cast<int>(control.items.size()));
        const HWND child = CreateWindowExW(
            control.exStyle, control.windowClass, control.text, control.style, pixels(control.left),
            pixels(control.top), pixels(control.width), pixels(height), window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance, nullptr);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
        for (const wchar_t* item : control.items) {
            SendMessageW(child, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        }
        if (!control.items.empty()) {
            SendMessageW(child, CB_SETCURSEL, 0, 0);
            // The edit field at its laid-out height: the item height grows
            // or shrinks by what the field lacks or has too much, once.
            RECT field;
            GetWindowRect(child, &field);
            const auto itemHeight = SendMessageW(child, CB_GETITEMHEIGHT, WPARAM(-1), 0);
            SendMessageW(child, CB_SETITEMHEIGHT, WPARAM(-1),
                         itemHeight + pixels(control.height) - (field.bottom - field.top));
        }
    }
    SendMessageW(GetDlgItem(window, 121), EM_SETLIMITTEXT, 0, 0);  // no length limit
    const HWND statusBar =
        CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(141)), instance, nullptr);
    int rightEdges[] = {-1};
    SendMessageW(statusBar, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(rightEdges));
    SendMessageW(statusBar, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    SendMessageW(statusBar, WM_SIZE, 0, 0);
    RECT bar;
    GetWindowRect(statusBar, &bar);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left,
                 frame.bottom - frame.top + bar.bottom - bar.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    ShowWindow(window, showCommand);
    UpdateWindow(window);
    const HWND firstOption = GetDlgItem(window, 101);
    SendMessageW(firstOption, BM_SETCHECK, BST_CHECKED, 0);
    SetFocus(firstOption);
    // Told of every Android interface that comes or goes, as the program is.
    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = sizeof(filter);
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = vantrel::win32::kAndroidUsbInterfaceGuid;
    const UniqueResource<HDEVNOTIFY, &UnregisterDeviceNotification> notification(
        RegisterDeviceNotificationW(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE));
    const UniqueHandle listing(
        CreateThread(nullptr, 0, &countPhonesOnItsOwnThread, window, 0, nullptr));
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return 0;
}
