#include "driver/FileWriting.h"

#include <stdexcept>

#include "win32/common/UniqueHandles.h"

namespace e2e {

void writeFile(const std::wstring& path, std::string_view content, DWORD disposition,
               const char* failure) {
    const HANDLE created = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, disposition,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created == INVALID_HANDLE_VALUE) {
        throw std::runtime_error(failure);
    }
    const vantrel::win32::UniqueHandle file(created);
    DWORD written = 0;
    if (!WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &written,
                   nullptr) ||
        written != content.size()) {
        throw std::runtime_error(failure);
    }
}

}  // namespace e2e
