#pragma once

#include <windows.h>

#include "win32/common/UniqueHandles.h"

namespace vantrel::win32 {

using UniqueDeviceNotification = UniqueResource<HDEVNOTIFY, &UnregisterDeviceNotification>;

// Asks Windows to tell the window when an Android USB interface comes or
// goes, besides the device changes that every top-level window hears of.
// Nothing when Windows refuses: those changes still arrive.
UniqueDeviceNotification registerForAndroidInterfaces(HWND window);

// Whether a WM_DEVICECHANGE says that devices came, went or changed.
bool devicesChanged(WPARAM event);

}  // namespace vantrel::win32
