#include "driver/MenuBarReader.h"

#include <optional>
#include <sstream>
#include <stdexcept>

#include "driver/DriverOptions.h"
#include "driver/MessagePump.h"
#include "driver/Win32Handles.h"
#include "probe/MenuProbeProtocol.h"

namespace e2e {
namespace {

// Receives the probe's answer: a message-only window of the driver.
class MenuBarReceiver {
  public:
    MenuBarReceiver() {
        static const ATOM registered = [] {
            WNDCLASSW windowClass{};
            windowClass.lpfnWndProc = &windowProc;
            windowClass.hInstance = GetModuleHandleW(nullptr);
            windowClass.lpszClassName = L"Vantrel.E2E.MenuBarReceiver";
            return RegisterClassW(&windowClass);
        }();
        window_.reset(CreateWindowExW(0, MAKEINTATOM(registered), L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                      nullptr, GetModuleHandleW(nullptr), this));
        if (!window_) {
            throw std::runtime_error("could not create the menu receiver window");
        }
    }

    HWND handle() const { return window_.get(); }
    const std::optional<std::wstring>& description() const { return description_; }

  private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
        } else if (message == WM_COPYDATA) {
            const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            auto* self =
                reinterpret_cast<MenuBarReceiver*>(GetWindowLongPtrW(window, GWLP_USERDATA));
            if (data->dwData == menuprobe::kMenuBarData) {
                self->description_.emplace(static_cast<const wchar_t*>(data->lpData),
                                           data->cbData / sizeof(wchar_t));
                return TRUE;
            }
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    std::optional<std::wstring> description_;
    UniqueWindow window_;
};

UINT parseNumber(const std::wstring& field) {
    return static_cast<UINT>(std::stoul(field));
}

std::vector<MenuEntry> parseMenuBar(const std::wstring& description) {
    std::vector<MenuEntry> bar;
    std::wistringstream lines(description);
    std::wstring line;
    while (std::getline(lines, line)) {
        std::wistringstream fields(line);
        std::wstring depth, id, type, state, submenu, caption;
        std::getline(fields, depth, L'\t');
        std::getline(fields, id, L'\t');
        std::getline(fields, type, L'\t');
        std::getline(fields, state, L'\t');
        std::getline(fields, submenu, L'\t');
        std::getline(fields, caption);
        MenuEntry entry{
            caption, parseNumber(id), parseNumber(type), parseNumber(state), submenu == L"1", {}};
        if (depth == L"0") {
            bar.push_back(std::move(entry));
        } else if (depth == L"1" && !bar.empty()) {
            bar.back().items.push_back(std::move(entry));
        } else {
            throw std::runtime_error("the menu bar is nested deeper than menus and their items");
        }
    }
    return bar;
}

}  // namespace

std::vector<MenuEntry> readMenuBar(HWND mainWindow) {
    const UniqueLibrary probe(LoadLibraryW(besideDriver(L"menuprobe.dll").c_str()));
    if (!probe) {
        throw std::runtime_error("could not load menuprobe.dll beside the driver");
    }
    const auto hookProc = reinterpret_cast<HOOKPROC>(
        reinterpret_cast<void*>(GetProcAddress(probe.get(), menuprobe::kHookProcName)));
    if (hookProc == nullptr) {
        throw std::runtime_error("menuprobe.dll exports no readMenuHook");
    }
    MenuBarReceiver receiver;
    const UniqueHook hook(SetWindowsHookExW(WH_GETMESSAGE, hookProc, probe.get(),
                                            GetWindowThreadProcessId(mainWindow, nullptr)));
    if (!hook) {
        throw std::runtime_error("could not hook the program's UI thread");
    }
    PostMessageW(mainWindow, RegisterWindowMessageW(menuprobe::kReadMenuBarMessage),
                 reinterpret_cast<WPARAM>(receiver.handle()), 0);
    if (!pumpUntil([&] { return receiver.description().has_value(); })) {
        throw std::runtime_error("the menu probe did not answer from inside the program");
    }
    return parseMenuBar(*receiver.description());
}

}  // namespace e2e
