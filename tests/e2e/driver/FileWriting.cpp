#include "driver/FileWriting.h"

#include <stdexcept>
#include <utility>

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

FileElsewhere::FileElsewhere(std::wstring folder, const std::wstring& name,
                             std::string_view content)
    : folder_(std::move(folder)), path_(folder_ + L"\\" + name) {
    if (!CreateDirectoryW(folder_.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
        throw std::runtime_error("could not make a folder for a file elsewhere");
    }
    writeFile(path_, content, CREATE_ALWAYS, "could not write a file elsewhere");
}

FileElsewhere::~FileElsewhere() {
    DeleteFileW(path_.c_str());
    RemoveDirectoryW(folder_.c_str());
}

}  // namespace e2e
