#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "win32/platform/SetupApi.h"

namespace vantrel::win32 {

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

    // DEVPKEY_Device_ProblemCode; nothing where SetupAPI lacks device
    // properties or the device has none.
    std::optional<std::uint32_t> problemCodeProperty();

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

// The strings of a REG_SZ or REG_MULTI_SZ value, up to the first empty one or
// the end of the data, whichever comes first: the data may lack its final
// zeros.
std::vector<std::u16string> splitMultiString(std::wstring_view data);

}  // namespace vantrel::win32
