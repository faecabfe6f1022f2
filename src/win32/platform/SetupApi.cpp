#include "win32/platform/SetupApi.h"

#include "win32/common/SystemFunction.h"
#include "win32/common/SystemLibrary.h"

namespace vantrel::win32 {
namespace {

template <class Function>
void lookUp(HMODULE module, Function*& function, const char* name) {
    function = moduleFunction<Function>(module, name);
}

UniqueDeviceInfoSet ownedSet(const SetupApi& api, HDEVINFO set) {
    return UniqueDeviceInfoSet(set == INVALID_HANDLE_VALUE ? nullptr : set,
                               DeviceInfoSetDestroyer(api.destroyDeviceInfoList));
}

}  // namespace

std::optional<SetupApi> loadSetupApi() {
    SetupApi api;
    api.module = loadSystemLibrary(L"setupapi.dll");
    const HMODULE module = api.module.get();
    lookUp(module, api.getClassDevs, "SetupDiGetClassDevsExW");
    lookUp(module, api.destroyDeviceInfoList, "SetupDiDestroyDeviceInfoList");
    lookUp(module, api.enumDeviceInfo, "SetupDiEnumDeviceInfo");
    lookUp(module, api.enumDeviceInterfaces, "SetupDiEnumDeviceInterfaces");
    lookUp(module, api.getDeviceInstanceId, "SetupDiGetDeviceInstanceIdW");
    lookUp(module, api.getDeviceRegistryProperty, "SetupDiGetDeviceRegistryPropertyW");
    lookUp(module, api.createDeviceInfoList, "SetupDiCreateDeviceInfoList");
    lookUp(module, api.openDeviceInfo, "SetupDiOpenDeviceInfoW");
    lookUp(module, api.getDeviceInterfaceDetail, "SetupDiGetDeviceInterfaceDetailW");
    lookUp(module, api.getDeviceProperty, "SetupDiGetDevicePropertyW");
    lookUp(module, api.getDevNodeStatus, "CM_Get_DevNode_Status");
    if (api.getClassDevs == nullptr || api.destroyDeviceInfoList == nullptr ||
        api.enumDeviceInfo == nullptr || api.enumDeviceInterfaces == nullptr ||
        api.getDeviceInstanceId == nullptr || api.getDeviceRegistryProperty == nullptr ||
        api.createDeviceInfoList == nullptr || api.openDeviceInfo == nullptr ||
        api.getDeviceInterfaceDetail == nullptr) {
        return std::nullopt;
    }
    return api;
}

UniqueDeviceInfoSet classDevices(const SetupApi& api, const GUID* classGuid,
                                 const wchar_t* enumerator, DWORD flags) {
    return ownedSet(
        api, api.getClassDevs(classGuid, enumerator, nullptr, flags, nullptr, nullptr, nullptr));
}

UniqueDeviceInfoSet emptyDeviceSet(const SetupApi& api) {
    return ownedSet(api, api.createDeviceInfoList(nullptr, nullptr));
}

bool addClassDevices(const SetupApi& api, HDEVINFO set, const GUID* classGuid, DWORD flags) {
    return api.getClassDevs(classGuid, nullptr, nullptr, flags, set, nullptr, nullptr) !=
           INVALID_HANDLE_VALUE;
}

}  // namespace vantrel::win32
