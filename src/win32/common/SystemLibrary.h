#pragma once

#include "win32/common/UniqueHandles.h"

namespace vantrel::win32 {

// Loads a DLL of Windows' system folder by its file name, never one of the
// same name elsewhere (the program's folder, the current one, the PATH);
// empty when it cannot be loaded.
UniqueModule loadSystemLibrary(const wchar_t* fileName);

}  // namespace vantrel::win32
