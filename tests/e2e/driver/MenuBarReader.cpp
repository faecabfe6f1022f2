#include "driver/MenuBarReader.h"

#include <cstdint>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>

#include "driver/DriverOptions.h"
#include "driver/MessagePump.h"
#include "probe/MenuProbeProtocol.h"
#include "win32/common/UniqueHandles.h"

namespace e2e {

using vantrel::win32::UniqueHandle;
using vantrel::win32::UniqueWindow;

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

bool isWow64Program(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    BOOL wow64 = FALSE;
    return process && IsWow64Process(process.get(), &wow64) && wow64;
}

// The folder with the menu probe and its host of the program's bitness.
std::wstring probeFolderFor(HWND mainWindow) {
    if (sizeof(void*) == 8 && isWow64Program(mainWindow)) {
        if (probeFolder32().empty()) {
            throw std::runtime_error(
                "vantrel.exe is a 32-bit program: pass --probes-32=FOLDER, the folder of the "
                "32-bit menuprobe.dll and probehost.exe");
        }
        return probeFolder32() + L"\\";
    }
    return besideDriver(L"");
}

// One run of probehost.exe, which hooks the program's UI thread with the
// probe; asked to quit, or else ended, when it goes out of scope.
class ProbeHost {
  public:
    ProbeHost(const std::wstring& folder, HWND mainWindow, HWND receiver) {
        const std::wstring exe = folder + L"probehost.exe";
        std::wstring commandLine =
            L"\"" + exe + L"\" " + std::to_wstring(GetWindowThreadProcessId(mainWindow, nullptr)) +
            L" " + std::to_wstring(reinterpret_cast<std::uintptr_t>(mainWindow)) + L" " +
            std::to_wstring(reinterpret_cast<std::uintptr_t>(receiver));
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION started{};
        if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &started)) {
            throw std::runtime_error("could not start probehost.exe beside the menu probe");
        }
        process_.reset(started.hProcess);
        const UniqueHandle thread(started.hThread);
        threadId_ = started.dwThreadId;
    }
    ~ProbeHost() {
        PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
        if (WaitForSingleObject(process_.get(), static_cast<DWORD>(kPatience.count())) ==
            WAIT_TIMEOUT) {
            TerminateProcess(process_.get(), 1);
        }
    }
    ProbeHost(const ProbeHost&) = delete;
    ProbeHost& operator=(const ProbeHost&) = delete;

    // Once the host has ended (before it was asked to: it failed), its exit status.
    std::optional<DWORD> exitStatus() const {
        DWORD status = 0;
        if (WaitForSingleObject(process_.get(), 0) != WAIT_OBJECT_0 ||
            !GetExitCodeProcess(process_.get(), &status)) {
            return std::nullopt;
        }
        return status;
    }

  private:
    UniqueHandle process_;
    DWORD threadId_ = 0;
};

}  // namespace

std::vector<MenuEntry> readMenuBar(HWND mainWindow) {
    MenuBarReceiver receiver;
    const ProbeHost host(probeFolderFor(mainWindow), mainWindow, receiver.handle());
    pumpUntil([&] { return receiver.description().has_value() || host.exitStatus().has_value(); });
    if (!receiver.description().has_value()) {
        const auto status = host.exitStatus();
        throw std::runtime_error(status.has_value()
                                     ? "probehost.exe could not hook the program (exit status " +
                                           std::to_string(*status) + ")"
                                     : "the menu probe did not answer from inside the program");
    }
    return parseMenuBar(*receiver.description());
}

}  // namespace e2e
