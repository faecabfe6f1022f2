// Runs inside vantrel.exe, loaded there by the driver's message hook, and does
// what other processes cannot do under Wine: reads the main window's menu bar,
// and drops a file onto the window (Wine hands a file list posted from another
// process over as it is, a handle that means nothing in the program).
#include <shlobj.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "probe/ProbeProtocol.h"
#include "win32/common/UniqueHandles.h"

namespace {

void answer(HWND receiver, HWND mainWindow, ULONG_PTR kind, std::wstring text) {
    COPYDATASTRUCT data{};
    data.dwData = kind;
    data.cbData = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    data.lpData = text.data();
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(receiver, WM_COPYDATA, reinterpret_cast<WPARAM>(mainWindow),
                        reinterpret_cast<LPARAM>(&data), SMTO_NORMAL, 5000, &ignored);
}

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
    answer(receiver, mainWindow, probe::kMenuBarData, std::move(description));
}

// Explorer's block: the header, the path and its zero, the list's zero.
vantrel::win32::UniqueGlobal dropBlock(const std::wstring& path) {
    vantrel::win32::UniqueGlobal block(
        GlobalAlloc(GHND, sizeof(DROPFILES) + (path.size() + 2) * sizeof(wchar_t)));
    auto* header = block ? static_cast<DROPFILES*>(GlobalLock(block.get())) : nullptr;
    if (header == nullptr) {
        return nullptr;
    }
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    std::memcpy(header + 1, path.data(), path.size() * sizeof(wchar_t));
    GlobalUnlock(block.get());
    return block;
}

// No answer when the block cannot be made: the driver then fails the check.
void dropFile(HWND mainWindow, HWND receiver, ATOM pathAtom) {
    wchar_t path[256] = {};  // an atom holds at most 255 characters
    const UINT length = GlobalGetAtomNameW(pathAtom, path, static_cast<int>(std::size(path)));
    if (length == 0) {
        return;
    }
    vantrel::win32::UniqueGlobal block = dropBlock(std::wstring(path, length));
    if (!block) {
        return;
    }
    // The window frees the block, as it frees Explorer's.
    SendMessageW(mainWindow, WM_DROPFILES, reinterpret_cast<WPARAM>(block.release()), 0);
    answer(receiver, mainWindow, probe::kFileDroppedData, {});
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK
    probeHook(int code, WPARAM wParam, LPARAM lParam) {
    static const UINT readMenuBar = RegisterWindowMessageW(probe::kReadMenuBarMessage);
    static const UINT dropFileRequest = RegisterWindowMessageW(probe::kDropFileMessage);
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        const auto* message = reinterpret_cast<const MSG*>(lParam);
        const auto receiver = reinterpret_cast<HWND>(message->wParam);
        if (message->message == readMenuBar) {
            sendMenuBar(message->hwnd, receiver);
        } else if (message->message == dropFileRequest) {
            dropFile(message->hwnd, receiver, static_cast<ATOM>(message->lParam));
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
