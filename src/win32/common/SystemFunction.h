#pragma once

#include <windows.h>

namespace vantrel::win32 {

// A function of an already loaded system DLL, looked up at run time because
// older Windows versions lack it; nullptr when missing.
template <class Function>
Function* systemFunction(const wchar_t* module, const char* name) {
    const HMODULE loaded = GetModuleHandleW(module);
    if (loaded == nullptr) {
        return nullptr;
    }
    // Through void (*)(), the one function type GCC lets a cast pass silently.
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(GetProcAddress(loaded, name)));
}

}  // namespace vantrel::win32
