#include "win32/platform/Win32Platform.h"

#include <windows.h>

#include "win32/common/UniqueHandles.h"
#include "win32/common/WideText.h"
#include "win32/platform/ConsoleStart.h"

namespace vantrel::win32 {

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

bool Win32Platform::startConsole(std::optional<std::u16string_view> workingFolder) {
    return startConsoleProcess(workingFolder);
}

bool Win32Platform::terminalWindowShown() {
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, L"CASCADIA_HOSTING_WINDOW_CLASS", nullptr)) !=
           nullptr) {
        if (IsWindowVisible(window)) {
            return true;
        }
    }
    return false;
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

std::optional<std::vector<std::uint8_t>> Win32Platform::readFileStart(std::u16string_view path,
                                                                      std::size_t maxBytes) {
    // Others may go on reading, writing or even deleting it meanwhile.
    const HANDLE opened = CreateFileW(wide(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    const UniqueHandle file(opened);
    std::vector<std::uint8_t> start(maxBytes);
    std::size_t filled = 0;
    // ReadFile may return less than asked; an empty read is the file's end.
    while (filled < start.size()) {
        DWORD read = 0;
        if (!ReadFile(file.get(), start.data() + filled, static_cast<DWORD>(start.size() - filled),
                      &read, nullptr)) {
            return std::nullopt;  // a range locked by another program, say
        }
        if (read == 0) {
            break;
        }
        filled += read;
    }
    start.resize(filled);
    return start;
}

bool Win32Platform::isDirectory(std::u16string_view path) {
    const DWORD attributes = GetFileAttributesW(wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
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

std::optional<std::u16string> Win32Platform::environmentVariable(std::u16string_view name) {
    const std::wstring wideName = wide(name);
    std::wstring value(MAX_PATH, L'\0');
    // Another thread may lengthen it between the calls: then it is read again.
    for (;;) {
        SetLastError(ERROR_SUCCESS);
        const DWORD length = GetEnvironmentVariableW(wideName.c_str(), value.data(),
                                                     static_cast<DWORD>(value.size()));
        if (length == 0) {
            return GetLastError() == ERROR_ENVVAR_NOT_FOUND ? std::nullopt
                                                            : std::optional<std::u16string>(u"");
        }
        if (length < value.size()) {
            value.resize(length);
            return utf16(value);
        }
        value.resize(length);  // what it needs, its terminating null included
    }
}

void Win32Platform::setEnvironmentVariable(std::u16string_view name,
                                           std::optional<std::u16string_view> value) {
    // Fails only when memory runs out; the console that was typed into has the value anyway.
    SetEnvironmentVariableW(wide(name).c_str(), value ? wide(*value).c_str() : nullptr);
}

}  // namespace vantrel::win32
