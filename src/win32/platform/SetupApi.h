#pragma once

#include <windows.h>
// After windows.h, which they need.
#include <cfgmgr32.h>
#include <setupapi.h>

#include <memory>
#include <optional>

#include "win32/common/UniqueHandles.h"

namespace vantrel::win32 {

// The SetupAPI functions that list devices, looked up in setupapi.dll of the
// system folder. The program does not import the DLL: only the device query
// pays for loading it, and no DLL of that name elsewhere is ever loaded.
struct SetupApi {
    UniqueModule module;
    decltype(&SetupDiGetClassDevsExW) getClassDevs = nullptr;
    decltype(&SetupDiDestroyDeviceInfoList) destroyDeviceInfoList = nullptr;
    decltype(&SetupDiEnumDeviceInfo) enumDeviceInfo = nullptr;
    decltype(&SetupDiEnumDeviceInterfaces) enumDeviceInterfaces = nullptr;
    decltype(&SetupDiGetDeviceInstanceIdW) getDeviceInstanceId = nullptr;
    decltype(&SetupDiGetDeviceRegistryPropertyW) getDeviceRegistryProperty = nullptr;
    decltype(&SetupDiCreateDeviceInfoList) createDeviceInfoList = nullptr;
    decltype(&SetupDiOpenDeviceInfoW) openDeviceInfo = nullptr;
    decltype(&SetupDiGetDeviceInterfaceDetailW) getDeviceInterfaceDetail = nullptr;
    // nullptr where this Windows or Wine lacks them.
    decltype(&SetupDiGetDevicePropertyW) getDeviceProperty = nullptr;
    decltype(&CM_Get_DevNode_Status) getDevNodeStatus = nullptr;
};

// Nothing when the DLL cannot be loaded or lacks a function that is not optional.
std::optional<SetupApi> loadSetupApi();

// Destroys a device information set through the loaded SetupAPI.
class DeviceInfoSetDestroyer {
  public:
    explicit DeviceInfoSetDestroyer(decltype(&SetupDiDestroyDeviceInfoList) destroy)
        : destroy_(destroy) {}
    void operator()(void* set) const noexcept { destroy_(set); }

  private:
    decltype(&SetupDiDestroyDeviceInfoList) destroy_;
};

using UniqueDeviceInfoSet = std::unique_ptr<void, DeviceInfoSetDestroyer>;

// A new set of the devices that SetupDiGetClassDevsExW finds; empty when it fails.
UniqueDeviceInfoSet classDevices(const SetupApi& api, const GUID* classGuid,
                                 const wchar_t* enumerator, DWORD flags);

// A new empty set, to which devices are added by their instance IDs; empty when it fails.
UniqueDeviceInfoSet emptyDeviceSet(const SetupApi& api);

// Adds the devices that SetupDiGetClassDevsExW finds to a set, each device
// once; false when it fails.
bool addClassDevices(const SetupApi& api, HDEVINFO set, const GUID* classGuid, DWORD flags);

}  // namespace vantrel::win32
