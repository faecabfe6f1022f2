#include "driver/ProgramProbe.h"

#include "driver/ProgramProcess.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

#include "driver/DriverOptions.h"
#include "driver/MessagePump.h"
#include "win32/common/UniqueHandles.h"

namespace e2e {

using vantrel::win32::UniqueHandle;
using vantrel::win32::UniqueWindow;

namespace {

// Receives the probe's answer: a message-only window of the driver.
class AnswerReceiver {
  public:
    explicit AnswerReceiver(ULONG_PTR answerKind) : answerKind_(answerKind) {
        static const ATOM registered = [] {
            WNDCLASSW windowClass{};
            windowClass.lpfnWndProc = &windowProc;
            windowClass.hInstance = GetModuleHandleW(nullptr);
            windowClass.lpszClassName = L"Vantrel.E2E.ProbeAnswerReceiver";
            return RegisterClassW(&windowClass);
        }();
        window_.reset(CreateWindowExW(0, MAKEINTATOM(registered), L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                      nullptr, GetModuleHandleW(nullptr), this));
        if (!window_) {
            throw std::runtime_error("could not create the window for the probe's answer");
        }
    }

    HWND handle() const { return window_.get(); }
    const std::optional<std::wstring>& answer() const { return answer_; }

  private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
        } else if (message == WM_COPYDATA) {
            const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            auto* self =
                reinterpret_cast<AnswerReceiver*>(GetWindowLongPtrW(window, GWLP_USERDATA));
            if (data->dwData == self->answerKind_) {
                self->answer_.emplace(static_cast<const wchar_t*>(data->lpData),
                                      data->cbData / sizeof(wchar_t));
                return TRUE;
            }
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    ULONG_PTR answerKind_;
    std::optional<std::wstring> answer_;
    UniqueWindow window_;
};

bool isWow64Program(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    BOOL wow64 = FALSE;
    return process && IsWow64Process(process.get(), &wow64) && wow64;
}

// The folder with the probe and its host of the program's bitness.
std::wstring probeFolderFor(HWND mainWindow) {
    if (sizeof(void*) == 8 && isWow64Program(mainWindow)) {
        if (probeFolder32().empty()) {
            throw std::runtime_error(
                "vantrel.exe is a 32-bit program: pass --probes-32=FOLDER, the folder of the "
                "32-bit probe.dll and probehost.exe");
        }
        return probeFolder32() + L"\\";
    }
    return besideDriver(L"");
}

// One run of probehost.exe, which hooks the program's UI thread with the
// probe; asked to quit, or else ended, when it goes out of scope.
class ProbeHost {
  public:
    ProbeHost(const std::wstring& folder, HWND mainWindow, HWND receiver,
              std::wstring_view hostArgument) {
        const std::wstring exe = folder + L"probehost.exe";
        std::wstring commandLine =
            L"\"" + exe + L"\" " + std::to_wstring(GetWindowThreadProcessId(mainWindow, nullptr)) +
            L" " + std::to_wstring(reinterpret_cast<std::uintptr_t>(mainWindow)) + L" " +
            std::to_wstring(reinterpret_cast<std::uintptr_t>(receiver));
        if (!hostArgument.empty()) {
            commandLine += L" " + std::wstring(hostArgument);
        }
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION started{};
        if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &started)) {
            throw programStartFailure(exe);
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

std::wstring askProbe(HWND mainWindow, ULONG_PTR answerKind, std::wstring_view hostArgument) {
    AnswerReceiver receiver(answerKind);
    const ProbeHost host(probeFolderFor(mainWindow), mainWindow, receiver.handle(), hostArgument);
    pumpUntil([&] { return receiver.answer().has_value() || host.exitStatus().has_value(); });
    if (!receiver.answer().has_value()) {
        const auto status = host.exitStatus();
        throw std::runtime_error(status.has_value()
                                     ? "probehost.exe could not hook the program (exit status " +
                                           std::to_string(*status) + ")"
                                     : "the probe did not answer from inside the program");
    }
    return *receiver.answer();
}

}  // namespace e2e
