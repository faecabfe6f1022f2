#pragma once

#include <windows.h>

#include <string_view>

#include "win32/common/UniqueHandles.h"

namespace vantrel::win32 {

// Device Manager's Properties dialog of one device node, whose driver page
// holds 更新驱动程序. Its DLL, devmgr.dll, is loaded from the system folder
// on first use, never at start and never from elsewhere.
class DevicePropertiesDialog {
  public:
    // Shows the dialog of the node with that instance ID, owned by the
    // window, and returns once it closes; false when devmgr.dll or its
    // function cannot be had.
    bool show(HWND owner, std::u16string_view instanceId);

  private:
    UniqueModule devmgr_;
};

}  // namespace vantrel::win32
