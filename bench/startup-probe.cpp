// Starts programs in alternation and measures each start: the time from the
// process start to its window being visible, the time from then on until its
// status bar first shows a text, and its peak working set once it idles. The
// first round warms the system's caches up and is not counted.
// Usage: startup-probe RUNS PROGRAM WINDOW_CLASS [PROGRAM WINDOW_CLASS]...
// Prints one line a program, in the order given:
//   "<median milliseconds> <median peak working set in KiB> <median time ratio>
//    <median milliseconds to the status bar's first text, or - for none>"
// where the time ratio is the first program's start over this one's in the same
// round: starts next to each other share the machine's load, which on a busy
// machine drifts more than the programs differ.
#include <windows.h>
// psapi.h needs windows.h first.
#include <psapi.h>
// commctrl.h needs windows.h first.
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "win32/common/UniqueHandles.h"

namespace {

using vantrel::win32::UniqueHandle;

constexpr double kWindowTimeoutMilliseconds = 20000;
constexpr DWORD kIdleSettleMilliseconds = 300;
// A status bar that shows nothing by then shows nothing of its own at all.
constexpr double kStatusTextTimeoutMilliseconds = 3000;

struct Program {
    const wchar_t* path;
    const wchar_t* windowClass;
    std::vector<double> milliseconds;
    std::vector<double> peakKibibytes;
    std::vector<double> statusTextMilliseconds;
};

double elapsedMilliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 /
           static_cast<double>(frequency.QuadPart);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

bool visibleWindowOfClass(const wchar_t* windowClass) {
    const HWND window = FindWindowW(windowClass, nullptr);
    return window != nullptr && IsWindowVisible(window);
}

// How long after `shown` the window's status bar first holds a text; nothing
// when it has none within the timeout, or no status bar.
std::optional<double> millisecondsToStatusText(const wchar_t* windowClass, LARGE_INTEGER shown) {
    const HWND bar =
        FindWindowExW(FindWindowW(windowClass, nullptr), nullptr, STATUSCLASSNAMEW, nullptr);
    for (LARGE_INTEGER now;;) {
        QueryPerformanceCounter(&now);
        if (bar != nullptr && SendMessageW(bar, WM_GETTEXTLENGTH, 0, 0) > 0) {
            return elapsedMilliseconds(shown, now);
        }
        if (bar == nullptr || elapsedMilliseconds(shown, now) > kStatusTextTimeoutMilliseconds) {
            return std::nullopt;
        }
        Sleep(1);
    }
}

// Ends the started program however the measurement went.
struct StartedProgram {
    UniqueHandle process;
    UniqueHandle thread;
    ~StartedProgram() {
        if (process) {
            TerminateProcess(process.get(), 0);
            WaitForSingleObject(process.get(), 5000);
        }
    }
};

bool measureOnce(Program& program, bool counted) {
    std::wstring commandLine = L"\"" + std::wstring(program.path) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    LARGE_INTEGER started;
    QueryPerformanceCounter(&started);
    if (!CreateProcessW(program.path, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info)) {
        std::fwprintf(stderr, L"cannot start %ls\n", program.path);
        return false;
    }
    const StartedProgram running{UniqueHandle(info.hProcess), UniqueHandle(info.hThread)};
    LARGE_INTEGER shown;
    for (;;) {
        QueryPerformanceCounter(&shown);
        if (visibleWindowOfClass(program.windowClass)) {
            break;
        }
        if (elapsedMilliseconds(started, shown) > kWindowTimeoutMilliseconds) {
            std::fwprintf(stderr, L"no window of class %ls\n", program.windowClass);
            return false;
        }
        Sleep(1);  // polls without crowding the program that is starting
    }
    const std::optional<double> statusText = millisecondsToStatusText(program.windowClass, shown);
    WaitForInputIdle(running.process.get(), 5000);
    Sleep(kIdleSettleMilliseconds);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(running.process.get(), &memory, sizeof(memory));
    if (counted) {
        program.milliseconds.push_back(elapsedMilliseconds(started, shown));
        program.peakKibibytes.push_back(static_cast<double>(memory.PeakWorkingSetSize) / 1024);
        if (statusText) {
            program.statusTextMilliseconds.push_back(*statusText);
        }
    }
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4 || argc % 2 != 0) {
        std::fwprintf(stderr, L"usage: startup-probe RUNS PROGRAM WINDOW_CLASS...\n");
        return 2;
    }
    const int runs = _wtoi(argv[1]);
    std::vector<Program> programs;
    for (int argument = 2; argument < argc; argument += 2) {
        programs.push_back({argv[argument], argv[argument + 1], {}, {}, {}});
    }
    for (int round = 0; round <= runs; ++round) {
        for (Program& program : programs) {
            if (!measureOnce(program, round > 0)) {
                return 1;
            }
        }
    }
    const std::vector<double>& first = programs.front().milliseconds;
    for (const Program& program : programs) {
        std::vector<double> ratios;
        for (std::size_t round = 0; round < first.size(); ++round) {
            ratios.push_back(first[round] / program.milliseconds[round]);
        }
        std::printf("%.2f %.0f %.2f ", median(program.milliseconds), median(program.peakKibibytes),
                    median(ratios));
        if (program.statusTextMilliseconds.size() == program.milliseconds.size()) {
            std::printf("%.1f\n", median(program.statusTextMilliseconds));
        } else {
            std::printf("-\n");
        }
    }
    return 0;
}
