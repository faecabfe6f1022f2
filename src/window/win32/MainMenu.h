#pragma once

#include "platform/win32/UniqueHandles.h"

namespace vantrel::win32 {

// The main window's menu bar: its drop-down menus and their items, with the
// items' command ids and no access keys.
UniqueMenu createMenuBar();

}  // namespace vantrel::win32
