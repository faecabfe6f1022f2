#include "win32/platform/DeviceProperties.h"

#include <algorithm>

#include "win32/common/WideText.h"

namespace vantrel::win32 {
namespace {

// Instance ids and short ID lists fit at the first try, in one call rather
// than two; longer lists take a second.
constexpr std::size_t kFirstGuessUnits = 64;
// A value may grow between the calls; not for ever.
constexpr int kTries = 3;

// Asks SetupAPI for a text into a buffer of a first guess and, when that is
// too small, again into one of the size that SetupAPI names.
// `ask(buffer, units, requiredUnits)` reports success. The result is cut to
// the length that SetupAPI reports, never beyond the buffer.
template <class Ask>
std::optional<std::wstring> askWithGrowingBuffer(Ask ask) {
    std::wstring buffer(kFirstGuessUnits, L'\0');
    for (int tries = 0; tries < kTries; ++tries) {
        DWORD requiredUnits = 0;
        if (ask(buffer.data(), static_cast<DWORD>(buffer.size()), requiredUnits)) {
            if (requiredUnits != 0 && requiredUnits < buffer.size()) {
                buffer.resize(requiredUnits);
            }
            return buffer;
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || requiredUnits <= buffer.size()) {
            return std::nullopt;
        }
        // What a failed call left in the buffer is not to be read.
        buffer.assign(requiredUnits, L'\0');
    }
    return std::nullopt;
}

}  // namespace

std::vector<std::u16string> splitMultiString(std::wstring_view data) {
    std::vector<std::u16string> strings;
    while (!data.empty() && data.front() != L'\0') {
        const std::size_t end = std::min(data.find(L'\0'), data.size());
        strings.push_back(utf16(data.substr(0, end)));
        data.remove_prefix(std::min(end + 1, data.size()));
    }
    return strings;
}

std::optional<std::u16string> DeviceOfSet::instanceId() {
    const auto id = askWithGrowingBuffer([this](wchar_t* buffer, DWORD units, DWORD& required) {
        return api_.getDeviceInstanceId(set_, &device_, buffer, units, &required) != FALSE;
    });
    if (!id) {
        return std::nullopt;
    }
    const std::wstring_view text(*id);
    return utf16(text.substr(0, text.find(L'\0')));
}

bool DeviceOfSet::hasActiveInterface(const GUID& interfaceClass) {
    SP_DEVICE_INTERFACE_DATA interfaceData{};
    interfaceData.cbSize = sizeof interfaceData;
    for (DWORD index = 0;
         api_.enumDeviceInterfaces(set_, &device_, &interfaceClass, index, &interfaceData);
         ++index) {
        if ((interfaceData.Flags & SPINT_ACTIVE) != 0) {
            return true;
        }
    }
    return false;
}

std::optional<std::vector<std::u16string>> DeviceOfSet::strings(DWORD property) {
    DWORD type = REG_NONE;
    const auto data = askWithGrowingBuffer([&](wchar_t* buffer, DWORD units, DWORD& required) {
        DWORD requiredBytes = 0;
        const BOOL read = api_.getDeviceRegistryProperty(
            set_, &device_, property, &type, reinterpret_cast<BYTE*>(buffer),
            static_cast<DWORD>(units * sizeof(wchar_t)), &requiredBytes);
        required = static_cast<DWORD>((requiredBytes + sizeof(wchar_t) - 1) / sizeof(wchar_t));
        return read != FALSE;
    });
    if (!data || (type != REG_SZ && type != REG_MULTI_SZ)) {
        return std::nullopt;
    }
    return splitMultiString(*data);
}

std::optional<DWORD> DeviceOfSet::number(DWORD property) {
    DWORD type = REG_NONE;
    DWORD value = 0;
    DWORD size = 0;
    if (!api_.getDeviceRegistryProperty(set_, &device_, property, &type,
                                        reinterpret_cast<BYTE*>(&value), sizeof value, &size) ||
        type != REG_DWORD || size != sizeof value) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::u16string> DeviceOfSet::textProperty(const DEVPROPKEY& key) {
    wchar_t text[kLongestShortText + 2] = {};  // the text, its zero, and one more zero
    DEVPROPTYPE type = DEVPROP_TYPE_EMPTY;
    // The last unit stays zero: the text ends within the buffer.
    if (api_.getDeviceProperty == nullptr ||
        !api_.getDeviceProperty(set_, &device_, &key, &type, reinterpret_cast<BYTE*>(text),
                                sizeof text - sizeof(wchar_t), nullptr, 0) ||
        type != DEVPROP_TYPE_STRING) {
        return std::nullopt;
    }
    return utf16(text);
}

std::optional<std::uint32_t> DeviceOfSet::numberProperty(const DEVPROPKEY& key) {
    DEVPROPTYPE type = DEVPROP_TYPE_EMPTY;
    std::uint32_t number = 0;
    DWORD size = 0;
    if (api_.getDeviceProperty == nullptr ||
        !api_.getDeviceProperty(set_, &device_, &key, &type, reinterpret_cast<BYTE*>(&number),
                                sizeof number, &size, 0) ||
        type != DEVPROP_TYPE_UINT32 || size != sizeof number) {
        return std::nullopt;
    }
    return number;
}

std::wstring interfacePath(const SetupApi& api, HDEVINFO set,
                           SP_DEVICE_INTERFACE_DATA& interfaceData) {
    // The detail is a structure with the path at its end, here given room for
    // "\\?\", a device ID of at most 200 units, a GUID and the separators.
    struct {
        SP_DEVICE_INTERFACE_DETAIL_DATA_W detail;
        wchar_t room[280];
    } buffer{};
    buffer.detail.cbSize = sizeof buffer.detail;
    // The last unit stays zero: the path ends within the buffer.
    if (!api.getDeviceInterfaceDetail(set, &interfaceData, &buffer.detail,
                                      sizeof buffer - sizeof(wchar_t), nullptr, nullptr)) {
        return {};
    }
    return buffer.detail.DevicePath;
}

std::optional<DeviceOfSet::NodeStatus> DeviceOfSet::nodeStatus() {
    // Wine's stub answers CR_SUCCESS and writes nothing: the zeros stand.
    NodeStatus status;
    if (api_.getDevNodeStatus == nullptr ||
        api_.getDevNodeStatus(&status.flags, &status.problem, device_.DevInst, 0) != CR_SUCCESS) {
        return std::nullopt;
    }
    return status;
}

}  // namespace vantrel::win32
