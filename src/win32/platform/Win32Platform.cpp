#include "win32/platform/Win32Platform.h"

#include <windows.h>

#include "win32/common/WideText.h"
#include "win32/platform/ConsoleStart.h"

namespace vantrel::win32 {
namespace {

// A folder, hidden or not.
bool isDirectory(std::u16string_view path) {
    const DWORD attributes = GetFileAttributesW(wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

std::vector<ConsoleWindow> Win32Platform::consoleWindows() {
    // FindWindowEx walks the top-level windows in Z order, topmost first.
    std::vector<ConsoleWindow> consoles;
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, L"ConsoleWindowClass", nullptr)) != nullptr) {
        consoles.push_back({reinterpret_cast<WindowHandle>(window), IsWindowVisible(window) != 0});
    }
    return consoles;
}

PostResult Win32Platform::postCharacter(WindowHandle window, char16_t codeUnit) {
    // The unit goes as it is: a Unicode window receives it unchanged, surrogate halves included.
    if (PostMessageW(reinterpret_cast<HWND>(window), WM_CHAR, codeUnit, 0)) {
        return PostResult::Posted;
    }
    // User interface privilege isolation: a console run as administrator takes
    // no input from a program that is not.
    return GetLastError() == ERROR_ACCESS_DENIED ? PostResult::Refused : PostResult::Failed;
}

bool Win32Platform::startConsole() {
    return startConsoleProcess();
}

EntryKind Win32Platform::entryKind(std::u16string_view path) {
    const DWORD attributes = GetFileAttributesW(wide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return EntryKind::Missing;
    }
    if ((attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0) {
        return EntryKind::HiddenOrSystem;
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return EntryKind::Directory;
    }
    return EntryKind::OrdinaryFile;
}

bool Win32Platform::createDirectory(std::u16string_view path) {
    // A folder of that name that is there already counts as made; a file of that name does not.
    return CreateDirectoryW(wide(path).c_str(), nullptr) || isDirectory(path);
}

bool Win32Platform::removeEmptyDirectory(std::u16string_view path) {
    return RemoveDirectoryW(wide(path).c_str()) != FALSE;
}

bool Win32Platform::deleteFile(std::u16string_view path) {
    return DeleteFileW(wide(path).c_str()) != FALSE;
}

LocalTime Win32Platform::localTime() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

void Win32Platform::setEnvironmentVariable(std::u16string_view name,
                                           std::optional<std::u16string_view> value) {
    // Fails only when memory runs out; the console that was typed into has the value anyway.
    SetEnvironmentVariableW(wide(name).c_str(), value ? wide(*value).c_str() : nullptr);
}

}  // namespace vantrel::win32
