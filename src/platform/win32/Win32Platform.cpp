#include "platform/win32/Win32Platform.h"

#include "platform/win32/ConsoleStart.h"
#include "platform/win32/InputPromptDialog.h"
#include "platform/win32/WideText.h"

namespace vantrel::win32 {

WindowHandle Win32Platform::findConsoleWindow() {
    return reinterpret_cast<WindowHandle>(FindWindowW(L"ConsoleWindowClass", nullptr));
}

bool Win32Platform::postCharacter(WindowHandle window, char16_t codeUnit) {
    // The unit goes as it is: a Unicode window receives it unchanged, surrogate halves included.
    return PostMessageW(reinterpret_cast<HWND>(window), WM_CHAR, codeUnit, 0) != FALSE;
}

bool Win32Platform::startConsole() {
    return startConsoleProcess();
}

std::u16string Win32Platform::inputPrompt(std::u16string_view prompt, std::u16string_view title,
                                          std::u16string_view defaultText) {
    return showInputPrompt(owner_, prompt, title, defaultText);
}

int Win32Platform::confirmBox(std::u16string_view prompt, int style, std::u16string_view title) {
    return MessageBoxW(owner_, wide(prompt).c_str(), wide(title).c_str(), static_cast<UINT>(style));
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
    const std::wstring folder = wide(path);
    if (CreateDirectoryW(folder.c_str(), nullptr)) {
        return true;
    }
    // A folder of that name that is there already counts as made; a file of that name does not.
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
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

}  // namespace vantrel::win32
