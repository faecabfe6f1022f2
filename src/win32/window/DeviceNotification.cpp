#include "win32/window/DeviceNotification.h"

#include <dbt.h>

#include "win32/common/AndroidUsbInterface.h"

namespace vantrel::win32 {

UniqueDeviceNotification registerForAndroidInterfaces(HWND window) {
    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = sizeof(filter);
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = kAndroidUsbInterfaceGuid;
    return UniqueDeviceNotification(
        RegisterDeviceNotificationW(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE));
}

bool devicesChanged(WPARAM event) {
    return event == DBT_DEVNODES_CHANGED || event == DBT_DEVICEARRIVAL ||
           event == DBT_DEVICEREMOVECOMPLETE;
}

}  // namespace vantrel::win32
