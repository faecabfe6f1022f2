#include "win32/window/OpenFileDialog.h"

#include <commdlg.h>

#include <cwchar>
#include <span>

#include "win32/common/SystemFunction.h"
#include "win32/common/SystemLibrary.h"
#include "win32/common/WideText.h"

namespace vantrel::win32 {
namespace {

using GetOpenFileNameFunction = BOOL WINAPI(OPENFILENAMEW*);

// Room for the longest path that Windows allows.
constexpr DWORD kPathCapacity = 32768;

// Name and pattern of each filter, each ended by a null, and one more at the end.
std::wstring filterList(std::span<const FileFilter> filters) {
    std::wstring list;
    for (const FileFilter& filter : filters) {
        list += wide(filter.name);
        list += L'\0';
        list += wide(filter.pattern);
        list += L'\0';
    }
    list += L'\0';
    return list;
}

}  // namespace

std::optional<std::u16string> OpenFileDialog::show(HWND owner, const FileChoice& choice) {
    if (!comdlg32_) {
        comdlg32_ = loadSystemLibrary(L"comdlg32.dll");
    }
    const auto getOpenFileName =
        moduleFunction<GetOpenFileNameFunction>(comdlg32_.get(), "GetOpenFileNameW");
    if (getOpenFileName == nullptr) {
        return std::nullopt;
    }
    const std::wstring filters = filterList(choice.filters);
    const std::wstring title = wide(choice.title);
    const std::wstring startFolder = wide(choice.startFolder.value_or(u""));
    std::wstring path(kPathCapacity, L'\0');

    OPENFILENAMEW request{};
    request.lStructSize = sizeof(request);
    request.hwndOwner = owner;
    request.lpstrFilter = filters.c_str();
    request.nFilterIndex = 1;
    request.lpstrFile = path.data();
    request.nMaxFile = kPathCapacity;
    request.lpstrInitialDir = choice.startFolder ? startFolder.c_str() : nullptr;
    request.lpstrTitle = title.c_str();
    // One existing file; the program's current folder stays where it was.
    request.Flags =
        OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (!getOpenFileName(&request)) {
        return std::nullopt;
    }
    path.resize(std::wcslen(path.c_str()));
    return utf16(path);
}

}  // namespace vantrel::win32
