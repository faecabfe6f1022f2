#include "support/FakeUsbDevices.h"

#include <windows.h>
// After windows.h, which they need.
#include <cfgmgr32.h>
#include <dbt.h>
#include <setupapi.h>
// DEVPKEY_Device_ProblemCode is defined here, not only declared.
#include <initguid.h>
// After initguid.h.
#include <devpkey.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "win32/common/AndroidUsbInterface.h"
#include "win32/common/UniqueHandles.h"

// setupapi.dll has it since Windows Vista; MinGW-w64's header lacks it.
extern "C" DECLSPEC_IMPORT BOOL WINAPI SetupDiSetDevicePropertyW(HDEVINFO, PSP_DEVINFO_DATA,
                                                                 const DEVPROPKEY*, DEVPROPTYPE,
                                                                 const BYTE*, DWORD, DWORD);

namespace vantrel::fakeusb {
namespace {

using namespace std::string_view_literals;

using UniqueDeviceInfoSet = win32::UniqueResource<HDEVINFO, &SetupDiDestroyDeviceInfoList>;
using UniqueKey = win32::UniqueResource<HKEY, &RegCloseKey>;

// The setup class of installed Android USB drivers, and "Other devices",
// where Windows puts a device without a driver.
constexpr GUID kAndroidDeviceClass = {
    0x3f966bd9, 0xfa04, 0x4ec5, {0x99, 0x1c, 0xd3, 0x26, 0x97, 0x3b, 0x51, 0x28}};
constexpr GUID kOtherDevicesClass = {
    0x4d36e97e, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}};
constexpr std::wstring_view kDeviceClassesKey =
    L"System\\CurrentControlSet\\Control\\DeviceClasses\\{F72FE0D4-CBCB-407D-8814-9ED673D0DD6B}\\";

constexpr DWORD kFailedInstallProblem = 28;  // CM_PROB_FAILED_INSTALL
constexpr DWORD kFailedInstallFlag = 0x40;   // CONFIGFLAG_FAILEDINSTALL

// The ID lists end with the zero of the literal: REG_MULTI_SZ's double zero.
constexpr std::wstring_view kAdbHardwareIds =
    L"USB\\VID_18D1&PID_4EE7&REV_0440&MI_01\0USB\\VID_18D1&PID_4EE7&MI_01\0"sv;
constexpr std::wstring_view kAdbCompatibleIds =
    L"USB\\Class_ff&SubClass_42&Prot_01\0USB\\Class_ff&SubClass_42\0USB\\Class_ff\0"sv;
constexpr std::wstring_view kFastbootHardwareIds =
    L"USB\\VID_18D1&PID_4EE0&REV_0100\0USB\\VID_18D1&PID_4EE0\0"sv;
constexpr std::wstring_view kFastbootCompatibleIds =
    L"USB\\Class_ff&SubClass_42&Prot_03\0USB\\Class_ff&SubClass_42\0USB\\Class_ff\0"sv;
constexpr std::wstring_view kStickHardwareIds =
    L"USB\\VID_0781&PID_5567&REV_0100\0USB\\VID_0781&PID_5567\0"sv;
constexpr std::wstring_view kStickCompatibleIds =
    L"USB\\Class_08&SubClass_06&Prot_50\0USB\\Class_08&SubClass_06\0USB\\Class_08\0"sv;

struct Blueprint {
    std::wstring_view device;  // the instance id up to the serial number
    std::wstring_view hardwareIds;
    std::wstring_view compatibleIds;
    const GUID& setupClass;
    bool driverKey = false;
    bool androidInterface = false;
    DWORD problemCode = 0;
    DWORD configFlags = 0;
};

Blueprint blueprintOf(FakeDeviceKind kind) {
    constexpr std::wstring_view kAdb = L"USB\\VID_18D1&PID_4EE7&MI_01\\";
    constexpr std::wstring_view kFastboot = L"USB\\VID_18D1&PID_4EE0\\";
    switch (kind) {
        case FakeDeviceKind::AdbPhone:
            return {.device = kAdb,
                    .hardwareIds = kAdbHardwareIds,
                    .compatibleIds = kAdbCompatibleIds,
                    .setupClass = kAndroidDeviceClass,
                    .driverKey = true,
                    .androidInterface = true};
        case FakeDeviceKind::FastbootPhone:
            return {.device = kFastboot,
                    .hardwareIds = kFastbootHardwareIds,
                    .compatibleIds = kFastbootCompatibleIds,
                    .setupClass = kAndroidDeviceClass,
                    .driverKey = true,
                    .androidInterface = true};
        case FakeDeviceKind::PhoneWithoutDriverKey:
            return {.device = kAdb,
                    .hardwareIds = kAdbHardwareIds,
                    .compatibleIds = kAdbCompatibleIds,
                    .setupClass = kOtherDevicesClass};
        case FakeDeviceKind::PhoneWithProblemCode:
            return {.device = kFastboot,
                    .hardwareIds = kFastbootHardwareIds,
                    .compatibleIds = kFastbootCompatibleIds,
                    .setupClass = kAndroidDeviceClass,
                    .driverKey = true,
                    .problemCode = kFailedInstallProblem};
        case FakeDeviceKind::PhoneWithFailedInstall:
            return {.device = kAdb,
                    .hardwareIds = kAdbHardwareIds,
                    .compatibleIds = kAdbCompatibleIds,
                    .setupClass = kAndroidDeviceClass,
                    .driverKey = true,
                    .configFlags = kFailedInstallFlag};
        case FakeDeviceKind::OtherDevice:
            return {.device = L"USB\\VID_0781&PID_5567\\",
                    .hardwareIds = kStickHardwareIds,
                    .compatibleIds = kStickCompatibleIds,
                    .setupClass = kOtherDevicesClass};
    }
    throw std::invalid_argument("not a kind of fake USB device");
}

[[noreturn]] void fail(const char* step) {
    throw std::runtime_error(std::string(step) + " failed for a fake USB device, error " +
                             std::to_string(GetLastError()));
}

void require(bool done, const char* step) {
    if (!done) {
        fail(step);
    }
}

UniqueDeviceInfoSet emptySet(const GUID* setupClass) {
    HDEVINFO set = SetupDiCreateDeviceInfoListExW(setupClass, nullptr, nullptr, nullptr);
    require(set != INVALID_HANDLE_VALUE, "SetupDiCreateDeviceInfoListExW");
    return UniqueDeviceInfoSet(set);
}

SP_DEVINFO_DATA emptyDeviceData() {
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    return device;
}

void setIds(HDEVINFO set, SP_DEVINFO_DATA& device, DWORD property, std::wstring_view ids) {
    // The literal's own zero ends the list.
    const auto bytes = static_cast<DWORD>((ids.size() + 1) * sizeof(wchar_t));
    require(SetupDiSetDeviceRegistryPropertyW(set, &device, property,
                                              reinterpret_cast<const BYTE*>(ids.data()), bytes),
            "SetupDiSetDeviceRegistryPropertyW");
}

// Wine lists an interface as present only once its Control key says Linked,
// which on Windows the kernel does. The key is the interface path with its
// backslashes turned into '#'.
void linkInterface(HDEVINFO set, SP_DEVICE_INTERFACE_DATA& interfaceData) {
    DWORD required = 0;
    SetupDiGetDeviceInterfaceDetailW(set, &interfaceData, nullptr, 0, &required, nullptr);
    require(required >= sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W),
            "SetupDiGetDeviceInterfaceDetailW");
    std::vector<SP_DEVICE_INTERFACE_DETAIL_DATA_W> storage(
        required / sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W) + 1);
    storage.front().cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
    require(SetupDiGetDeviceInterfaceDetailW(
                set, &interfaceData, storage.data(),
                static_cast<DWORD>(storage.size() * sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)),
                nullptr, nullptr),
            "SetupDiGetDeviceInterfaceDetailW");
    std::wstring interfaceKey = storage.front().DevicePath;
    std::ranges::replace(interfaceKey, L'\\', L'#');

    const std::wstring controlKey =
        std::wstring(kDeviceClassesKey) + interfaceKey + L"\\#\\Control";
    HKEY created = nullptr;
    require(
        RegCreateKeyExW(HKEY_LOCAL_MACHINE, controlKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, &created, nullptr) == ERROR_SUCCESS,
        "RegCreateKeyExW (the interface's Control key)");
    const UniqueKey key(created);
    const DWORD linked = 1;
    require(RegSetValueExW(key.get(), L"Linked", 0, REG_DWORD,
                           reinterpret_cast<const BYTE*>(&linked), sizeof linked) == ERROR_SUCCESS,
            "RegSetValueExW (Linked)");
}

void make(const Blueprint& blueprint, const std::wstring& instanceId) {
    const UniqueDeviceInfoSet set = emptySet(&blueprint.setupClass);
    SP_DEVINFO_DATA device = emptyDeviceData();
    require(SetupDiCreateDeviceInfoW(set.get(), instanceId.c_str(), &blueprint.setupClass, nullptr,
                                     nullptr, 0, &device),
            "SetupDiCreateDeviceInfoW");
    setIds(set.get(), device, SPDRP_HARDWAREID, blueprint.hardwareIds);
    setIds(set.get(), device, SPDRP_COMPATIBLEIDS, blueprint.compatibleIds);
    if (blueprint.configFlags != 0) {
        require(SetupDiSetDeviceRegistryPropertyW(
                    set.get(), &device, SPDRP_CONFIGFLAGS,
                    reinterpret_cast<const BYTE*>(&blueprint.configFlags), sizeof(DWORD)),
                "SetupDiSetDeviceRegistryPropertyW (config flags)");
    }
    require(SetupDiRegisterDeviceInfo(set.get(), &device, 0, nullptr, nullptr, nullptr),
            "SetupDiRegisterDeviceInfo");
    if (blueprint.problemCode != 0) {
        require(SetupDiSetDevicePropertyW(
                    set.get(), &device, &DEVPKEY_Device_ProblemCode, DEVPROP_TYPE_UINT32,
                    reinterpret_cast<const BYTE*>(&blueprint.problemCode), sizeof(DWORD), 0),
                "SetupDiSetDevicePropertyW (problem code)");
    }
    if (blueprint.driverKey) {
        HKEY driverKey = SetupDiCreateDevRegKeyW(set.get(), &device, DICS_FLAG_GLOBAL, 0, DIREG_DRV,
                                                 nullptr, nullptr);
        require(driverKey != INVALID_HANDLE_VALUE, "SetupDiCreateDevRegKeyW");
        const UniqueKey closed(driverKey);
    }
    if (blueprint.androidInterface) {
        SP_DEVICE_INTERFACE_DATA interfaceData{};
        interfaceData.cbSize = sizeof interfaceData;
        require(SetupDiCreateDeviceInterfaceW(set.get(), &device, &win32::kAndroidUsbInterfaceGuid,
                                              nullptr, 0, &interfaceData),
                "SetupDiCreateDeviceInterfaceW");
        linkInterface(set.get(), interfaceData);
    }
}

// Removes the node, its driver key and its interfaces; nothing when there is none.
void removeDevice(const std::wstring& instanceId) {
    HDEVINFO list = SetupDiCreateDeviceInfoList(nullptr, nullptr);
    if (list == INVALID_HANDLE_VALUE) {
        return;
    }
    const UniqueDeviceInfoSet set(list);
    SP_DEVINFO_DATA device = emptyDeviceData();
    if (SetupDiOpenDeviceInfoW(set.get(), instanceId.c_str(), nullptr, 0, &device)) {
        SetupDiRemoveDevice(set.get(), &device);
    }
}

std::wstring upper(std::wstring text) {
    std::ranges::transform(text, text.begin(), [](wchar_t c) {
        return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
    });
    return text;
}

bool isFake(const std::wstring& instanceId) {
    const std::size_t serial = instanceId.rfind(L'\\');
    return serial != std::wstring::npos &&
           upper(instanceId.substr(serial + 1)).starts_with(kFakeSerialPrefix);
}

}  // namespace

FakeUsbDevice::FakeUsbDevice(FakeDeviceKind kind, std::wstring_view serial) {
    const Blueprint blueprint = blueprintOf(kind);
    instanceId_ = std::wstring(blueprint.device) + std::wstring(kFakeSerialPrefix) +
                  upper(std::wstring(serial));
    removeDevice(instanceId_);
    try {
        make(blueprint, instanceId_);
    } catch (...) {
        removeDevice(instanceId_);
        throw;
    }
}

FakeUsbDevice::~FakeUsbDevice() {
    removeDevice(instanceId_);
}

void removeLeftoverFakeDevices() {
    HDEVINFO list = SetupDiGetClassDevsW(nullptr, L"USB", nullptr, DIGCF_ALLCLASSES);
    if (list == INVALID_HANDLE_VALUE) {
        return;
    }
    std::vector<std::wstring> leftovers;
    {
        const UniqueDeviceInfoSet set(list);
        SP_DEVINFO_DATA device = emptyDeviceData();
        wchar_t instanceId[MAX_DEVICE_ID_LEN];
        for (DWORD index = 0; SetupDiEnumDeviceInfo(set.get(), index, &device); ++index) {
            if (SetupDiGetDeviceInstanceIdW(set.get(), &device, instanceId, MAX_DEVICE_ID_LEN,
                                            nullptr) &&
                isFake(instanceId)) {
                leftovers.emplace_back(instanceId);
            }
        }
    }
    for (const std::wstring& instanceId : leftovers) {
        removeDevice(instanceId);
    }
}

void broadcastDeviceChange() {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(HWND_BROADCAST, WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0, SMTO_ABORTIFHUNG,
                        5000, &result);
}

}  // namespace vantrel::fakeusb
