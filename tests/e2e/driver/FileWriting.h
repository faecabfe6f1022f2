#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace e2e {

// Writes a file with this content: CREATE_ALWAYS replaces one that is there,
// CREATE_NEW fails on it. Throws with the reason given when it cannot be written.
void writeFile(const std::wstring& path, std::string_view content, DWORD disposition,
               const char* failure);

}  // namespace e2e
