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
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "win32/common/AndroidUsbInterface.h"
#include "win32/common/UniqueHandles.h"
#include "win32/common/WideText.h"

// setupapi.dll has it since Windows Vista; MinGW-w64's header lacks it.
extern "C" DECLSPEC_IMPORT BOOL WINAPI SetupDiSetDevicePropertyW(HDEVINFO, PSP_DEVINFO_DATA,
                                                                 const DEVPROPKEY*, DEVPROPTYPE,
                                                                 const BYTE*, DWORD, DWORD);

namespace vantrel::fakeusb {
namespace {

using namespace std::string_view_literals;

using UniqueDeviceInfoSet = win32::UniqueResource<HDEVINFO, &SetupDiDestroyDeviceInfoList>;
using UniqueKey = win32::UniqueResource<HKEY, &RegCloseKey>;
using UniqueService = win32::UniqueResource<SC_HANDLE, &CloseServiceHandle>;

// The setup class of installed Android USB drivers, and "Other devices",
// where Windows puts a device without a driver.
constexpr GUID kAndroidDeviceClass = {
    0x3f966bd9, 0xfa04, 0x4ec5, {0x99, 0x1c, 0xd3, 0x26, 0x97, 0x3b, 0x51, 0x28}};
constexpr GUID kOtherDevicesClass = {
    0x4d36e97e, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}};
// The setup class of hubs and composite devices, and the hub's interface class.
constexpr GUID kUsbClass = {
    0x36fc9e60, 0xc465, 0x11cf, {0x80, 0x56, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
constexpr std::u16string_view kUsbHubInterfaceClass = u"{F18A0E88-C30C-11D0-8815-00A0C906BED8}";

// The hub that tools/fakehub's driver plays. Its ID lacks kFakeSerialPrefix:
// it stays, as the driver's service does.
constexpr wchar_t kHubId[] = L"USB\\ROOT_HUB30\\4&VANTRELHUB&0&0";
constexpr wchar_t kHubService[] = L"vantrel_fakehub";
constexpr wchar_t kHubServiceKey[] = L"System\\CurrentControlSet\\Services\\vantrel_fakehub";
// Not in system32, which a 32-bit process reaches as syswow64.
constexpr wchar_t kHubDriver[] = L"C:\\windows\\vantrel_fakehub.sys";
constexpr DWORD kHubPort = 1;
constexpr wchar_t kHubPortValue[] = L"Port1";

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
constexpr std::wstring_view kCompositeHardwareIds =
    L"USB\\VID_18D1&PID_4EE7&REV_0440\0USB\\VID_18D1&PID_4EE7\0"sv;
constexpr std::wstring_view kCompositeCompatibleIds =
    L"USB\\DevClass_00&SubClass_00&Prot_00\0USB\\DevClass_00\0USB\\COMPOSITE\0"sv;
constexpr std::wstring_view kHubIds = L"USB\\ROOT_HUB30\0"sv;

struct Blueprint {
    std::wstring_view device;  // the instance id up to the serial number
    std::wstring_view hardwareIds;
    std::wstring_view compatibleIds;
    const GUID& setupClass;
    bool driverKey = false;
    std::u16string_view interfaceClass{};  // none when empty
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
                    .interfaceClass = kAndroidUsbInterfaceClass};
        case FakeDeviceKind::FastbootPhone:
            return {.device = kFastboot,
                    .hardwareIds = kFastbootHardwareIds,
                    .compatibleIds = kFastbootCompatibleIds,
                    .setupClass = kAndroidDeviceClass,
                    .driverKey = true,
                    .interfaceClass = kAndroidUsbInterfaceClass};
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
        case FakeDeviceKind::AdbPhoneOnHub:
            return {.device = L"USB\\VID_18D1&PID_4EE7\\",
                    .hardwareIds = kCompositeHardwareIds,
                    .compatibleIds = kCompositeCompatibleIds,
                    .setupClass = kUsbClass};
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
// backslashes turned into '#'. The path as SetupAPI gives it.
std::wstring linkInterface(HDEVINFO set, SP_DEVICE_INTERFACE_DATA& interfaceData,
                           std::u16string_view interfaceClass) {
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
    const std::wstring path = storage.front().DevicePath;
    std::wstring interfaceKey = path;
    std::ranges::replace(interfaceKey, L'\\', L'#');

    const std::wstring controlKey = L"System\\CurrentControlSet\\Control\\DeviceClasses\\" +
                                    win32::wide(interfaceClass) + L"\\" + interfaceKey +
                                    L"\\#\\Control";
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
    return path;
}

// Makes the node; the path of its interface, if it has one.
std::wstring make(const Blueprint& blueprint, const std::wstring& instanceId) {
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
    if (!blueprint.interfaceClass.empty()) {
        const GUID interfaceClass = win32::guid_text::guidFrom(blueprint.interfaceClass);
        SP_DEVICE_INTERFACE_DATA interfaceData{};
        interfaceData.cbSize = sizeof interfaceData;
        require(SetupDiCreateDeviceInterfaceW(set.get(), &device, &interfaceClass, nullptr, 0,
                                              &interfaceData),
                "SetupDiCreateDeviceInterfaceW");
        return linkInterface(set.get(), interfaceData, blueprint.interfaceClass);
    }
    return {};
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

void setProperty(const std::wstring& instanceId, const DEVPROPKEY& key, DEVPROPTYPE type,
                 const void* data, std::size_t size) {
    const UniqueDeviceInfoSet set = emptySet(nullptr);
    SP_DEVINFO_DATA device = emptyDeviceData();
    require(
        SetupDiOpenDeviceInfoW(set.get(), instanceId.c_str(), nullptr, 0, &device) &&
            SetupDiSetDevicePropertyW(set.get(), &device, &key, type,
                                      static_cast<const BYTE*>(data), static_cast<DWORD>(size), 0),
        "SetupDiSetDevicePropertyW");
}

void setText(const std::wstring& instanceId, const DEVPROPKEY& key, const std::wstring& text) {
    setProperty(instanceId, key, DEVPROP_TYPE_STRING, text.c_str(),
                (text.size() + 1) * sizeof(wchar_t));
}

void setHubValue(const wchar_t* name, DWORD type, const void* data, std::size_t size) {
    SetLastError(static_cast<DWORD>(RegSetKeyValueW(HKEY_LOCAL_MACHINE, kHubServiceKey, name, type,
                                                    data, static_cast<DWORD>(size))));
    require(GetLastError() == ERROR_SUCCESS, "RegSetKeyValueW (the fake hub's service)");
}

// Lays the hub out afresh, with its interface, and starts the driver that
// answers for it (from beside this program) unless it runs.
void startFakeHub() {
    removeDevice(kHubId);
    const std::wstring path = make({.device = L"",
                                    .hardwareIds = kHubIds,
                                    .compatibleIds = kHubIds,
                                    .setupClass = kUsbClass,
                                    .interfaceClass = kUsbHubInterfaceClass},
                                   kHubId);
    const UniqueService manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    require(manager != nullptr, "OpenSCManagerW");
    UniqueService service(OpenServiceW(manager.get(), kHubService, SERVICE_ALL_ACCESS));
    if (!service) {
        service.reset(CreateServiceW(manager.get(), kHubService, kHubService, SERVICE_ALL_ACCESS,
                                     SERVICE_KERNEL_DRIVER, SERVICE_DEMAND_START,
                                     SERVICE_ERROR_IGNORE, kHubDriver, nullptr, nullptr, nullptr,
                                     nullptr, nullptr));
    }
    require(service != nullptr, "CreateServiceW (the fake hub)");
    // The driver links the interface's path, as an NT name (\??\ for \\?\), to its device.
    const std::wstring link = L"\\??\\" + path.substr(4);
    setHubValue(L"Link", REG_SZ, link.c_str(), (link.size() + 1) * sizeof(wchar_t));
    // A 32-bit creator's mark, with which Wine would load the driver 32-bit.
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kHubServiceKey, L"WOW64");
    SERVICE_STATUS status{};
    require(QueryServiceStatus(service.get(), &status), "QueryServiceStatus");
    if (status.dwCurrentState == SERVICE_RUNNING) {
        return;
    }
    wchar_t program[MAX_PATH]{};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    require(CopyFileW(std::filesystem::path(program).replace_filename(L"fakehub.sys").c_str(),
                      kHubDriver, FALSE),
            "CopyFileW (fakehub.sys)");
    require(StartServiceW(service.get(), 0, nullptr), "StartServiceW (the fake hub)");
    for (int waited = 0; status.dwCurrentState != SERVICE_RUNNING; waited += 50) {
        Sleep(50);
        require(waited < 20000 && QueryServiceStatus(service.get(), &status),
                "QueryServiceStatus (the fake hub starting)");
    }
}

// The composite device on the hub's port, its product string, its ADB
// interface node, and the port's answer: iSerialNumber 3, then the string
// descriptor of the reported serial (its length, 3, UTF-16LE text).
void makePhoneOnHub(const std::wstring& deviceId, const std::wstring& interfaceId,
                    const std::wstring& reportedSerial) {
    startFakeHub();
    make(blueprintOf(FakeDeviceKind::AdbPhoneOnHub), deviceId);
    setText(deviceId, DEVPKEY_Device_BusReportedDeviceDesc, L"Redmi Note 12");
    setText(deviceId, DEVPKEY_Device_Parent, kHubId);
    setProperty(deviceId, DEVPKEY_Device_Address, DEVPROP_TYPE_UINT32, &kHubPort, sizeof kHubPort);
    make(blueprintOf(FakeDeviceKind::AdbPhone), interfaceId);
    setText(interfaceId, DEVPKEY_Device_Parent, deviceId);
    std::vector<BYTE> answer{3, static_cast<BYTE>(2 + 2 * reportedSerial.size()), 3};
    const auto* text = reinterpret_cast<const BYTE*>(reportedSerial.data());
    answer.insert(answer.end(), text, text + 2 * reportedSerial.size());
    setHubValue(kHubPortValue, REG_BINARY, answer.data(), answer.size());
}

std::wstring upper(std::wstring text) {
    std::ranges::transform(text, text.begin(), [](wchar_t c) {
        return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
    });
    return text;
}

// The interface node of a composite device is named after its place.
bool isFake(const std::wstring& instanceId) {
    const std::size_t serial = instanceId.rfind(L'\\');
    return serial != std::wstring::npos &&
           upper(instanceId.substr(serial + 1)).find(kFakeSerialPrefix) != std::wstring::npos;
}

}  // namespace

FakeUsbDevice::FakeUsbDevice(FakeDeviceKind kind, std::wstring_view serial) {
    const Blueprint blueprint = blueprintOf(kind);
    const std::wstring fullSerial = std::wstring(kFakeSerialPrefix) + std::wstring(serial);
    instanceId_ = std::wstring(blueprint.device) + upper(fullSerial);
    if (kind == FakeDeviceKind::AdbPhoneOnHub) {
        interfaceId_ =
            L"USB\\VID_18D1&PID_4EE7&MI_01\\6&" + std::wstring(kFakeSerialPrefix) + L"&0&0001";
    }
    remove();
    try {
        if (kind == FakeDeviceKind::AdbPhoneOnHub) {
            std::wstring reported = fullSerial;
            CharLowerBuffW(reported.data(), static_cast<DWORD>(reported.size()));
            makePhoneOnHub(instanceId_, interfaceId_, reported);
        } else {
            make(blueprint, instanceId_);
        }
    } catch (...) {
        remove();
        throw;
    }
}

FakeUsbDevice::~FakeUsbDevice() {
    remove();
}

void FakeUsbDevice::remove() {
    if (!interfaceId_.empty()) {
        RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kHubServiceKey, kHubPortValue);
        removeDevice(interfaceId_);
    }
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
