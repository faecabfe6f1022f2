#pragma once

#include <windows.h>

#include <optional>

#include "phones/PhoneCount.h"
#include "win32/common/UniqueHandles.h"
#include "win32/platform/UsbDeviceList.h"

namespace vantrel::win32 {

// Counts the attached phones on a thread of its own, so that asking Windows
// never holds up the window, and posts each count to the window. It counts
// once at once, then once after each burst of requests, as soon as they have
// been quiet for a moment: a phone that connects makes several device changes
// in a row. Nothing polls; it waits for requests.
class PhoneWatcher {
  public:
    // Posts `message` to the window with every count; decodeCount reads it.
    PhoneWatcher(HWND window, UINT message);
    ~PhoneWatcher();
    PhoneWatcher(const PhoneWatcher&) = delete;
    PhoneWatcher& operator=(const PhoneWatcher&) = delete;

    // Windows says that devices changed: count again once they settle.
    void countAgain();

    // The count that a posted message carries; nothing when Windows could not be asked.
    static std::optional<PhoneCounts> decodeCount(WPARAM wParam, LPARAM lParam);

  private:
    static DWORD WINAPI threadMain(void* watcher);
    void watch();
    void countAndPost(const UsbDeviceQuery& devices);

    HWND window_;
    UINT message_;
    UniqueHandle stop_;
    UniqueHandle changed_;
    UniqueHandle thread_;
};

}  // namespace vantrel::win32
