// Runs inside vantrel.exe, loaded there by the driver's message hook: reads
// the main window's menu bar, which other processes cannot read under Wine.
#include <windows.h>

#include <string>

#include "probe/MenuProbeProtocol.h"

namespace {

void describeMenu(HMENU menu, int depth, std::wstring& out) {
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        wchar_t caption[256] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = caption;
        info.cch = static_cast<UINT>(std::size(caption));
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info)) {
            continue;
        }
        out += std::to_wstring(depth) + L'\t' + std::to_wstring(info.wID) + L'\t' +
               std::to_wstring(info.fType) + L'\t' + std::to_wstring(info.fState) + L'\t' +
               (info.hSubMenu != nullptr ? L"1" : L"0") + L'\t' + caption + L'\n';
        if (info.hSubMenu != nullptr) {
            describeMenu(info.hSubMenu, depth + 1, out);
        }
    }
}

void sendMenuBar(HWND mainWindow, HWND receiver) {
    std::wstring description;
    describeMenu(GetMenu(mainWindow), 0, description);
    COPYDATASTRUCT data{};
    data.dwData = menuprobe::kMenuBarData;
    data.cbData = static_cast<DWORD>(description.size() * sizeof(wchar_t));
    data.lpData = description.data();
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(receiver, WM_COPYDATA, reinterpret_cast<WPARAM>(mainWindow),
                        reinterpret_cast<LPARAM>(&data), SMTO_NORMAL, 5000, &ignored);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK
    readMenuHook(int code, WPARAM wParam, LPARAM lParam) {
    static const UINT readRequest = RegisterWindowMessageW(menuprobe::kReadMenuBarMessage);
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        const auto* message = reinterpret_cast<const MSG*>(lParam);
        if (message->message == readRequest) {
            sendMenuBar(message->hwnd, reinterpret_cast<HWND>(message->wParam));
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
