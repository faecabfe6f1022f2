#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "ports/UsbDevices.h"

namespace vantrel::win32 {

struct SetupApi;

// Asks Windows which USB devices are attached. It loads setupapi.dll and
// keeps it loaded while it lives, so that listing on every device change
// loads the DLL once.
class UsbDeviceQuery {
  public:
    UsbDeviceQuery();
    ~UsbDeviceQuery();
    UsbDeviceQuery(const UsbDeviceQuery&) = delete;
    UsbDeviceQuery& operator=(const UsbDeviceQuery&) = delete;

    // The device nodes that Windows lists as present, each once, with the
    // facts that tell phones apart: the nodes of the "USB" enumerator, and
    // those of the present Android USB interfaces (marked as having one).
    // Nothing when SetupAPI cannot be loaded or asked. Decides nothing.
    std::optional<std::vector<UsbDeviceNode>> list() const;

  private:
    std::unique_ptr<const SetupApi> api_;  // empty when SetupAPI cannot be loaded
};

}  // namespace vantrel::win32
