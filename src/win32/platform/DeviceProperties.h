#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "win32/platform/SetupApi.h"

namespace vantrel::win32 {

// Device properties that the program reads. Defined here rather than through
// initguid.h and devpkey.h, which would put every one of Windows' property
// keys into the program.
inline constexpr DEVPROPKEY kParentKey{
    {0x4340a6c5, 0x93fa, 0x4706, {0x97, 0x2c, 0x7b, 0x64, 0x80, 0x08, 0xa5, 0xa7}}, 8};
inline constexpr DEVPROPKEY kProblemCodeKey{
    {0x4340a6c5, 0x93fa, 0x4706, {0x97, 0x2c, 0x7b, 0x64, 0x80, 0x08, 0xa5, 0xa7}}, 3};
inline constexpr DEVPROPKEY kAddressKey{
    {0xa45c254e, 0xdf1c, 0x4efd, {0x80, 0x20, 0x67, 0xd1, 0x46, 0xa8, 0x50, 0xe0}}, 30};
inline constexpr DEVPROPKEY kBusReportedDeviceDescKey{
    {0x540b947e, 0x8b40, 0x45bc, {0xa8, 0xa2, 0x6a, 0x0b, 0x89, 0x4c, 0xbd, 0xa2}}, 4};

// One device of a device information set, and what SetupAPI tells of it.
// Every buffer is sized from SetupAPI's own answer, and every length it
// returns is bounded by the buffer.
class DeviceOfSet {
  public:
    DeviceOfSet(const SetupApi& api, HDEVINFO set, const SP_DEVINFO_DATA& device)
        : api_(api), set_(set), device_(device) {}

    std::optional<std::u16string> instanceId();

    // Whether the set holds an active interface of the class for the device.
    bool hasActiveInterface(const GUID& interfaceClass);

    // A REG_SZ or REG_MULTI_SZ property as its strings; nothing when it is
    // absent or of another type.
    std::optional<std::vector<std::u16string>> strings(DWORD property);

    // A REG_DWORD property; nothing when it is absent or of another type.
    std::optional<DWORD> number(DWORD property);

    // A DEVPROP_TYPE_STRING or DEVPROP_TYPE_UINT32 device property; nothing
    // where SetupAPI lacks device properties, or the device has none of that
    // type. A text is at most kLongestShortText units: the program reads
    // device IDs (at most 200) and USB strings (at most 126) this way.
    static constexpr std::size_t kLongestShortText = 255;
    std::optional<std::u16string> textProperty(const DEVPROPKEY& key);
    std::optional<std::uint32_t> numberProperty(const DEVPROPKEY& key);

    // CM_Get_DevNode_Status: the status flags and the problem number; nothing
    // where SetupAPI lacks the function or it fails.
    struct NodeStatus {
        ULONG flags = 0;
        ULONG problem = 0;
    };
    std::optional<NodeStatus> nodeStatus();

  private:
    const SetupApi& api_;
    HDEVINFO set_;
    SP_DEVINFO_DATA device_;
};

// The path of a device interface of a set, through which CreateFileW opens
// it; empty when it is longer than a device ID with its class's GUID can be.
std::wstring interfacePath(const SetupApi& api, HDEVINFO set,
                           SP_DEVICE_INTERFACE_DATA& interfaceData);

// The strings of a REG_SZ or REG_MULTI_SZ value, up to the first empty one or
// the end of the data, whichever comes first: the data may lack its final
// zeros.
std::vector<std::u16string> splitMultiString(std::wstring_view data);

}  // namespace vantrel::win32
