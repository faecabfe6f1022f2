#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "win32/common/UniqueHandles.h"
#include "win32/platform/Win32Platform.h"
#include "win32/window/StartupFailure.h"
#include "win32/window/VantrelProgram.h"

namespace vantrel::win32 {
namespace {

TEST(StartupFailureTest, SaysThatVantrelCannotStartInWindowsOwnWordsWithTheCode) {
    constexpr std::wstring_view kFirstLine = L"Vantrel 无法启动\r\n\r\n";
    constexpr std::wstring_view kCode = L" (8)";
    const std::wstring text = startupFailureText(ERROR_NOT_ENOUGH_MEMORY);
    EXPECT_TRUE(text.starts_with(kFirstLine));
    EXPECT_TRUE(text.ends_with(kCode));
    // Windows' own words lie between the two, without a line end of their own.
    const std::wstring words =
        text.substr(kFirstLine.size(), text.size() - kFirstLine.size() - kCode.size());
    EXPECT_FALSE(words.empty());
    EXPECT_EQ(words.find(L'\n'), std::wstring::npos);
}

// Windows cannot make the status box: the window is half-built when it fails.
HWND controlMakerThatFailsOnText1(HWND parent, const ControlDefinition& definition, int dpi,
                                  HFONT font) {
    if (definition.id == kStatusBox) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    return createControl(parent, definition, dpi, font);
}

BOOL CALLBACK keepMessageBox(HWND window, LPARAM found) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, static_cast<int>(std::size(className)));
    if (std::wstring_view(className) == L"#32770" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

HWND programBox(DWORD programThread) {
    HWND box = nullptr;
    EnumThreadWindows(programThread, &keepMessageBox, reinterpret_cast<LPARAM>(&box));
    return box;
}

// Once the program's box is up (a busy machine may take seconds), the user
// reads it for a second, then presses OK.
struct UserAtTheBox {
    DWORD programThread;
    std::wstring textShownASecondLater;  // empty when no box was up by then

    static DWORD WINAPI act(void* self) {
        auto& user = *static_cast<UserAtTheBox*>(self);
        for (int waited = 0; waited < 30000 && programBox(user.programThread) == nullptr;
             waited += 50) {
            Sleep(50);
        }
        Sleep(1000);
        if (const HWND box = programBox(user.programThread); box != nullptr) {
            wchar_t text[256] = {};
            GetDlgItemTextW(box, 0xFFFF, text, static_cast<int>(std::size(text)));
            user.textShownASecondLater = text;
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
        return 0;
    }
};

TEST(StartupFailureTest, TheBoxStaysUntilTheUserClosesItThenTheProgramEndsWith1) {
    Win32Platform platform;
    UserAtTheBox user{GetCurrentThreadId(), {}};
    const UniqueHandle userThread(CreateThread(nullptr, 0, &UserAtTheBox::act, &user, 0, nullptr));
    ASSERT_TRUE(userThread);
    const int exitCode = runVantrel(GetModuleHandleW(nullptr), platform, SW_SHOWNORMAL,
                                    &controlMakerThatFailsOnText1);
    WaitForSingleObject(userThread.get(), INFINITE);
    EXPECT_EQ(exitCode, 1);
    EXPECT_EQ(user.textShownASecondLater, startupFailureText(ERROR_NOT_ENOUGH_MEMORY));
}

}  // namespace
}  // namespace vantrel::win32
