#include "win32/common/SystemLibrary.h"

#include <windows.h>

#include <string>

namespace vantrel::win32 {

UniqueModule loadSystemLibrary(const wchar_t* fileName) {
    UniqueModule module(LoadLibraryExW(fileName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    // Windows 7 without update KB2533623 refuses the flag; the full path of
    // the system folder then names the file, and its own dependencies are
    // searched for beside it first.
    if (!module && GetLastError() == ERROR_INVALID_PARAMETER) {
        wchar_t folder[MAX_PATH];
        const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) {
            return nullptr;
        }
        const std::wstring path = std::wstring(folder, length) + L"\\" + fileName;
        module.reset(LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
    }
    return module;
}

}  // namespace vantrel::win32
