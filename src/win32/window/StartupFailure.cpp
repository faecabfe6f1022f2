#include "win32/window/StartupFailure.h"

#include "win32/common/UniqueHandles.h"

namespace vantrel::win32 {
namespace {

// Windows' text for the error, in the user's language, without its line end.
std::wstring errorText(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    const UniqueLocal owned(buffer);
    std::wstring text(buffer != nullptr ? buffer : L"", length);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) {
        text.pop_back();
    }
    return text;
}

// Without the C library's formatting, which would add about 14 KB to the program.
std::wstring decimal(DWORD value) {
    std::wstring digits;
    do {
        digits.insert(digits.begin(), static_cast<wchar_t>(L'0' + value % 10));
        value /= 10;
    } while (value != 0);
    return digits;
}

}  // namespace

std::wstring startupFailureText(DWORD error) {
    std::wstring text = L"Vantrel 无法启动\r\n\r\n";
    text += errorText(error);
    text += L" (" + decimal(error) + L")";
    return text;
}

void showStartupFailure(DWORD error) {
    MessageBoxW(nullptr, startupFailureText(error).c_str(), L"Vantrel", MB_OK | MB_ICONERROR);
}

}  // namespace vantrel::win32
