#include "bare-phone-count.h"

// After windows.h, which they need.
#include <cfgmgr32.h>
#include <setupapi.h>

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "win32/common/AndroidUsbInterface.h"
#include "win32/common/SystemFunction.h"

namespace {

using vantrel::win32::kAndroidUsbInterfaceGuid;
using vantrel::win32::moduleFunction;

// ADB and fastboot: vendor class 0xff, subclass 0x42, as the IDs spell it once upper-cased.
constexpr wchar_t kAndroidInterfaceClass[] = L"CLASS_FF&SUBCLASS_42";

struct SetDestroyer {
    decltype(&SetupDiDestroyDeviceInfoList) destroy;
    void operator()(void* set) const noexcept { destroy(set); }
};

}  // namespace

std::optional<unsigned> countPhones(HMODULE setupApi) {
    const auto getClassDevs =
        moduleFunction<decltype(SetupDiGetClassDevsExW)>(setupApi, "SetupDiGetClassDevsExW");
    const auto destroy = moduleFunction<decltype(SetupDiDestroyDeviceInfoList)>(
        setupApi, "SetupDiDestroyDeviceInfoList");
    const auto enumDevices =
        moduleFunction<decltype(SetupDiEnumDeviceInfo)>(setupApi, "SetupDiEnumDeviceInfo");
    const auto enumInterfaces = moduleFunction<decltype(SetupDiEnumDeviceInterfaces)>(
        setupApi, "SetupDiEnumDeviceInterfaces");
    const auto instanceId = moduleFunction<decltype(SetupDiGetDeviceInstanceIdW)>(
        setupApi, "SetupDiGetDeviceInstanceIdW");
    const auto property = moduleFunction<decltype(SetupDiGetDeviceRegistryPropertyW)>(
        setupApi, "SetupDiGetDeviceRegistryPropertyW");
    if (getClassDevs == nullptr || destroy == nullptr || enumDevices == nullptr ||
        enumInterfaces == nullptr || instanceId == nullptr || property == nullptr) {
        return std::nullopt;
    }

    const HDEVINFO listed = getClassDevs(nullptr, L"USB", nullptr, DIGCF_ALLCLASSES | DIGCF_PRESENT,
                                         nullptr, nullptr, nullptr);
    if (listed == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    const std::unique_ptr<void, SetDestroyer> destroyedAtTheEnd(listed, SetDestroyer{destroy});
    if (getClassDevs(&kAndroidUsbInterfaceGuid, nullptr, nullptr,
                     DIGCF_PRESENT | DIGCF_DEVICEINTERFACE, listed, nullptr,
                     nullptr) == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }

    // Each property goes into all but the last two characters, which stay zero:
    // a multi-string cut short still ends.
    wchar_t text[2048];
    const auto read = [&](SP_DEVINFO_DATA& device, DWORD which) {
        std::fill(std::begin(text), std::end(text), L'\0');
        return property(listed, &device, which, nullptr, reinterpret_cast<BYTE*>(text),
                        sizeof text - 2 * sizeof(wchar_t), nullptr) != FALSE;
    };
    const auto namesAndroidClass = [&](SP_DEVINFO_DATA& device, DWORD which) {
        if (!read(device, which)) {
            return false;
        }
        CharUpperBuffW(text, static_cast<DWORD>(std::size(text)));
        for (const wchar_t* id = text; *id != L'\0'; id += std::wcslen(id) + 1) {
            if (std::wcsstr(id, kAndroidInterfaceClass) != nullptr) {
                return true;
            }
        }
        return false;
    };

    const auto hasActiveAndroidInterface = [&](SP_DEVINFO_DATA& device) {
        SP_DEVICE_INTERFACE_DATA found{};
        found.cbSize = sizeof found;
        for (DWORD i = 0; enumInterfaces(listed, &device, &kAndroidUsbInterfaceGuid, i, &found);
             ++i) {
            if ((found.Flags & SPINT_ACTIVE) != 0) {
                return true;
            }
        }
        return false;
    };

    std::vector<std::wstring> phones;
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD index = 0; enumDevices(listed, index, &device); ++index) {
        wchar_t id[MAX_DEVICE_ID_LEN];
        if (!instanceId(listed, &device, id, MAX_DEVICE_ID_LEN, nullptr)) {
            continue;
        }
        const bool withInterface = hasActiveAndroidInterface(device);
        const bool hardwareIds = namesAndroidClass(device, SPDRP_HARDWAREID);
        const bool compatibleIds = namesAndroidClass(device, SPDRP_COMPATIBLEIDS);
        const bool driver = read(device, SPDRP_DRIVER) && text[0] != L'\0';
        const bool phone = withInterface || ((hardwareIds || compatibleIds) && !driver);
        if (phone && std::ranges::none_of(phones, [&id](const std::wstring& known) {
                return _wcsicmp(known.c_str(), id) == 0;
            })) {
            phones.emplace_back(id);
        }
    }
    return static_cast<unsigned>(phones.size());
}
