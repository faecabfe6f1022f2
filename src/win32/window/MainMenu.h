#pragma once

#include "win32/common/UniqueHandles.h"

namespace vantrel::win32 {

// The main window's menu bar: its drop-down menus and their items, with the
// items' command ids and no access keys; null when Windows could not make it.
UniqueMenu createMenuBar();

}  // namespace vantrel::win32
