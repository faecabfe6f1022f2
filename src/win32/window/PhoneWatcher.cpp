#include "win32/window/PhoneWatcher.h"

#include <algorithm>

namespace vantrel::win32 {
namespace {

// How long the device changes must have been quiet before counting: short
// enough that the count follows the last change within half a second.
constexpr DWORD kQuietMs = 250;

// A failed count travels as this lParam.
constexpr LPARAM kNotCounted = -1;
constexpr unsigned kMostInAField = 0xFFFF;

WPARAM packed(unsigned low, unsigned high) {
    return static_cast<WPARAM>(std::min(low, kMostInAField)) |
           static_cast<WPARAM>(std::min(high, kMostInAField)) << 16;
}

}  // namespace

PhoneWatcher::PhoneWatcher(HWND window, UINT message)
    : window_(window),
      message_(message),
      stop_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      changed_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
    if (stop_ && changed_) {
        thread_.reset(CreateThread(nullptr, 0, &threadMain, this, 0, nullptr));
    }
    if (!thread_) {
        PostMessageW(window_, message_, 0, kNotCounted);  // the bar must not stay silent
    }
}

PhoneWatcher::~PhoneWatcher() {
    if (thread_) {
        SetEvent(stop_.get());
        WaitForSingleObject(thread_.get(), INFINITE);
    }
}

void PhoneWatcher::countAgain() {
    if (changed_) {
        SetEvent(changed_.get());
    }
}

std::optional<PhoneCounts> PhoneWatcher::decodeCount(WPARAM wParam, LPARAM lParam) {
    if (lParam == kNotCounted) {
        return std::nullopt;
    }
    return PhoneCounts{static_cast<unsigned>(wParam & kMostInAField),
                       static_cast<unsigned>((wParam >> 16) & kMostInAField),
                       static_cast<unsigned>(lParam)};
}

DWORD WINAPI PhoneWatcher::threadMain(void* watcher) {
    static_cast<PhoneWatcher*>(watcher)->watch();
    return 0;
}

void PhoneWatcher::watch() {
    const HANDLE events[] = {stop_.get(), changed_.get()};
    constexpr DWORD kChanged = WAIT_OBJECT_0 + 1;
    // SetupAPI is loaded here, once, off the window's thread.
    const UsbDeviceQuery devices;
    countAndPost(devices);
    while (WaitForMultipleObjects(2, events, FALSE, INFINITE) == kChanged) {
        DWORD waited;
        while ((waited = WaitForMultipleObjects(2, events, FALSE, kQuietMs)) == kChanged) {
        }
        if (waited != WAIT_TIMEOUT) {
            return;  // stopped, or the wait itself failed
        }
        countAndPost(devices);
    }
}

void PhoneWatcher::countAndPost(const UsbDeviceQuery& devices) {
    const std::optional<std::vector<UsbDeviceNode>> listed = devices.list();
    if (!listed) {
        PostMessageW(window_, message_, 0, kNotCounted);
        return;
    }
    const PhoneCounts counts = countPhones(*listed);
    PostMessageW(window_, message_, packed(counts.adb, counts.fastboot),
                 static_cast<LPARAM>(std::min(counts.withoutDriver, kMostInAField)));
}

}  // namespace vantrel::win32
