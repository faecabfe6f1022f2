// Cost of listing the USB devices: one-off listings, which load SetupAPI each
// time, and listings of one query that keeps it loaded. The program imports
// no SetupAPI of its own, as vantrel.exe does not; run it under usb-fakes.exe
// for devices to list. The first listing of each kind warms caches up and is
// not counted.
// Prints: "<nodes listed> <one-off median ms> <one-off slowest ms>
//          <kept median ms> <kept slowest ms>".
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "win32/platform/UsbDeviceList.h"

namespace {

constexpr int kListings = 41;

double nowMilliseconds() {
    LARGE_INTEGER counter;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) * 1e3 / static_cast<double>(frequency.QuadPart);
}

struct Timings {
    std::size_t nodes = 0;
    double median = 0;
    double slowest = 0;
};

template <class List>
Timings time(List list) {
    Timings timings;
    std::vector<double> times;
    for (int run = 0; run < kListings; ++run) {
        const double start = nowMilliseconds();
        const auto nodes = list();
        const double elapsed = nowMilliseconds() - start;
        if (!nodes) {
            return {};
        }
        timings.nodes = nodes->size();
        if (run > 0) {
            times.push_back(elapsed);
        }
    }
    std::ranges::sort(times);
    timings.median = times[times.size() / 2];
    timings.slowest = times.back();
    return timings;
}

}  // namespace

int wmain() {
    // SetupAPI loaded for each listing alone, then kept loaded.
    const Timings oneOff = time([] { return vantrel::win32::UsbDeviceQuery().list(); });
    const vantrel::win32::UsbDeviceQuery query;
    const Timings kept = time([&query] { return query.list(); });
    if (oneOff.nodes == 0 || kept.nodes == 0) {
        std::fprintf(stderr, "no USB devices were listed\n");
        return 1;
    }
    std::printf("%zu %.2f %.2f %.2f %.2f\n", kept.nodes, oneOff.median, oneOff.slowest, kept.median,
                kept.slowest);
    return 0;
}
