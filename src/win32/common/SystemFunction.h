#pragma once

#include <windows.h>

namespace vantrel::win32 {

// A function that a loaded module exports, looked up at run time; nullptr
// when the module is missing or lacks it.
template <class Function>
Function* moduleFunction(HMODULE module, const char* name) {
    if (module == nullptr) {
        return nullptr;
    }
    // Through void (*)(), the one function type GCC lets a cast pass silently.
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// A function of an already loaded system DLL, looked up at run time because
// older Windows versions lack it; nullptr when missing.
template <class Function>
Function* systemFunction(const wchar_t* module, const char* name) {
    return moduleFunction<Function>(GetModuleHandleW(module), name);
}

}  // namespace vantrel::win32
