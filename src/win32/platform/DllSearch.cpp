#include "win32/platform/DllSearch.h"

#include <windows.h>

#include "win32/common/SystemFunction.h"

namespace vantrel::win32 {

bool searchDllsInSystemFolderOnly() {
    using SetDefaultDllDirectoriesFunction = BOOL WINAPI(DWORD);
    const auto setDefaultDllDirectories = systemFunction<SetDefaultDllDirectoriesFunction>(
        L"kernel32.dll", "SetDefaultDllDirectories");
    return setDefaultDllDirectories != nullptr &&
           setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32) != FALSE;
}

}  // namespace vantrel::win32
