#include "driver/WorkFolder.h"

#include <windows.h>

#include <stdexcept>

#include "driver/FileWriting.h"

namespace e2e {
namespace {

constexpr wchar_t kWorkFolderAside[] = L"C:\\ADB.vantrel-e2e-aside";

std::wstring workFolderPath(const std::wstring& name) {
    return std::wstring(kWorkFolder) + L"\\" + name;
}

void removeEntry(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return;
    }
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    const bool removed = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0
                             ? RemoveDirectoryW(path.c_str())
                             : DeleteFileW(path.c_str());
    if (!removed) {
        throw std::runtime_error("could not clear an entry of the work folder");
    }
}

void makeFile(const std::wstring& path, std::string_view content = {}) {
    writeFile(path, content, CREATE_ALWAYS, "could not make a file in the work folder");
}

void makeFolder(const std::wstring& path) {
    if (!CreateDirectoryW(path.c_str(), nullptr)) {
        throw std::runtime_error("could not make a folder in the work folder");
    }
}

void addAttribute(const std::wstring& path, DWORD attribute) {
    SetFileAttributesW(path.c_str(), GetFileAttributesW(path.c_str()) | attribute);
    if ((GetFileAttributesW(path.c_str()) & attribute) == 0) {
        throw std::runtime_error("the file system keeps no hidden or system attribute here");
    }
}

}  // namespace

WorkFolderEntry::WorkFolderEntry(std::wstring name, Form form) : path_(workFolderPath(name)) {
    CreateDirectoryW(kWorkFolder, nullptr);
    removeEntry(path_);
    switch (form) {
        case Form::OrdinaryFile:
            makeFile(path_);
            break;
        case Form::Folder:
            makeFolder(path_);
            break;
        case Form::HiddenFile:
            makeFile(path_);
            addAttribute(path_, FILE_ATTRIBUTE_HIDDEN);
            break;
        case Form::SystemFile:
            makeFile(path_);
            addAttribute(path_, FILE_ATTRIBUTE_SYSTEM);
            break;
        case Form::HiddenFolder:
            makeFolder(path_);
            addAttribute(path_, FILE_ATTRIBUTE_HIDDEN);
            break;
        case Form::SystemFolder:
            makeFolder(path_);
            addAttribute(path_, FILE_ATTRIBUTE_SYSTEM);
            break;
    }
}

WorkFolderEntry::WorkFolderEntry(std::wstring name, std::string_view content)
    : path_(workFolderPath(name)) {
    CreateDirectoryW(kWorkFolder, nullptr);
    removeEntry(path_);
    makeFile(path_, content);
}

WorkFolderEntry::~WorkFolderEntry() {
    try {
        removeEntry(path_);
    } catch (const std::exception&) {
        // A leftover entry shows up in the next check that needs it absent.
    }
}

WorkFolderAside::WorkFolderAside() {
    restoreWorkFolder();
    if (GetFileAttributesW(kWorkFolder) != INVALID_FILE_ATTRIBUTES &&
        !MoveFileExW(kWorkFolder, kWorkFolderAside, 0)) {
        throw std::runtime_error("could not move the work folder aside");
    }
}

WorkFolderAside::~WorkFolderAside() {
    try {
        restoreWorkFolder();
    } catch (const std::exception&) {
        // The next run puts it back before it needs it.
    }
}

void restoreWorkFolder() {
    if (GetFileAttributesW(kWorkFolderAside) == INVALID_FILE_ATTRIBUTES) {
        return;
    }
    // A check that made the folder again leaves an empty one behind at most.
    RemoveDirectoryW(kWorkFolder);
    if (!MoveFileExW(kWorkFolderAside, kWorkFolder, 0)) {
        throw std::runtime_error("could not put the work folder back");
    }
}

void removeFromWorkFolder(const std::wstring& name) {
    removeEntry(workFolderPath(name));
}

void removeAutoStartMarker() {
    removeEntry(workFolderPath(L"qd"));
}

}  // namespace e2e
