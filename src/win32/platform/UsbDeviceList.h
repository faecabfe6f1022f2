#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "ports/AttachedPhone.h"
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

    // The attached phones as the core names and orders them, from the listing
    // and what Windows tells of each phone's USB device: its product string
    // and the serial descriptor that its hub returns. Nothing when the
    // listing fails. Talks to hubs: call it away from the window's thread.
    std::optional<std::vector<AttachedPhone>> phones() const;

  private:
    std::unique_ptr<const SetupApi> api_;  // empty when SetupAPI cannot be loaded
};

}  // namespace vantrel::win32
