#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>
#include <vector>

#include "win32/platform/SetupApi.h"

namespace vantrel::win32 {

// The string descriptor of the serial number of the device on the hub's
// port, asked of the hub as Windows' USB tools do: it answers from what it
// keeps, without waking the device, and needs no administrator rights. The
// bytes as the hub returned them; none when any step fails, or the port has
// no device with a serial number. The hub's handle is closed before it returns.
std::vector<std::uint8_t> serialDescriptorFromHub(const SetupApi& api,
                                                  std::u16string_view hubInstanceId, ULONG port);

}  // namespace vantrel::win32
