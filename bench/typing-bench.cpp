// Cost of typing an 80-character line through the console typer, against a
// bare loop of the same 81 posts, measured in one process in alternation.
// Prints: "<typer microseconds a line> <bare microseconds a line> <ratio>".
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "actions/TypeIntoConsole.h"
#include "win32/platform/Win32Platform.h"

namespace {

constexpr int kLinesPerSample = 40;  // 40 × 81 posts stay well inside a queue's 10,000
constexpr int kSamples = 200;

double nowMicroseconds() {
    LARGE_INTEGER counter;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

// Handles what was posted, between the timed loops. The stand-in console is
// visible, as the typer types only into one the user can see: its paint
// message comes again until it is handled.
void drainQueue() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
    }
}

double median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + static_cast<long>(values.size() / 2),
                     values.end());
    return values[values.size() / 2];
}

}  // namespace

int wmain() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"ConsoleWindowClass";
    RegisterClassW(&windowClass);
    HWND console =
        CreateWindowExW(0, windowClass.lpszClassName, L"bench", WS_OVERLAPPED | WS_VISIBLE, 0, 0,
                        10, 10, nullptr, nullptr, windowClass.hInstance, nullptr);

    vantrel::win32::Win32Platform platform;
    const std::u16string line(80, u'x');

    std::vector<double> typed;
    std::vector<double> bare;
    for (int sample = 0; sample < kSamples; ++sample) {
        double start = nowMicroseconds();
        for (int i = 0; i < kLinesPerSample; ++i) {
            vantrel::TypeIntoConsole(platform, line);
        }
        typed.push_back((nowMicroseconds() - start) / kLinesPerSample);
        drainQueue();

        start = nowMicroseconds();
        for (int i = 0; i < kLinesPerSample; ++i) {
            for (const char16_t unit : line) {
                PostMessageW(console, WM_CHAR, unit, 0);
            }
            PostMessageW(console, WM_CHAR, 13, 0);
        }
        bare.push_back((nowMicroseconds() - start) / kLinesPerSample);
        drainQueue();
    }
    const double typedMedian = median(typed);
    const double bareMedian = median(bare);
    std::printf("%.2f %.2f %.3f\n", typedMedian, bareMedian, typedMedian / bareMedian);
    DestroyWindow(console);
    return 0;
}
