#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "platform/win32/UniqueHandles.h"
#include "platform/win32/Win32Platform.h"

namespace vantrel::win32 {
namespace {

std::vector<WPARAM> receivedCharacters;

LRESULT CALLBACK recordingConsoleProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CHAR) {
        receivedCharacters.push_back(wParam);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Windows of the console's class, made by the test, that record the characters they receive.
class ConsoleWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        WNDCLASSEXW console{};
        console.cbSize = sizeof(console);
        console.lpfnWndProc = recordingConsoleProc;
        console.hInstance = GetModuleHandleW(nullptr);
        console.lpszClassName = L"ConsoleWindowClass";
        ASSERT_NE(RegisterClassExW(&console), 0);
    }

    void SetUp() override { receivedCharacters.clear(); }

    static UniqueWindow openConsole() {
        return UniqueWindow(CreateWindowExW(0, L"ConsoleWindowClass", L"test console",
                                            WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                            GetModuleHandleW(nullptr), nullptr));
    }

    static void handlePostedMessages() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
    }

    Win32Platform platform_;
};

TEST_F(ConsoleWindowTest, FindsAWindowOfTheConsoleClassAndNothingWithoutOne) {
    // A test run from a real Windows console sees that console too.
    const bool consoleBeforeTest = FindWindowW(L"ConsoleWindowClass", nullptr) != nullptr;
    if (!consoleBeforeTest) {
        EXPECT_EQ(platform_.findConsoleWindow(), 0u);
    }
    const UniqueWindow console = openConsole();
    ASSERT_TRUE(console);
    EXPECT_EQ(platform_.findConsoleWindow(), reinterpret_cast<WindowHandle>(console.get()));
}

TEST_F(ConsoleWindowTest, PostsEveryCodeUnitUnchanged) {
    const UniqueWindow console = openConsole();
    ASSERT_TRUE(console);
    const auto window = reinterpret_cast<WindowHandle>(console.get());
    // "a", 中, then 😀 as its two surrogate halves, then the Enter.
    const std::vector<char16_t> units{u'a', u'\u4E2D', 0xD83D, 0xDE00, 13};
    for (const char16_t unit : units) {
        EXPECT_TRUE(platform_.postCharacter(window, unit));
    }
    handlePostedMessages();
    EXPECT_EQ(receivedCharacters, (std::vector<WPARAM>{0x61, 0x4E2D, 0xD83D, 0xDE00, 13}));
}

TEST_F(ConsoleWindowTest, PostingToAClosedWindowFails) {
    UniqueWindow console = openConsole();
    ASSERT_TRUE(console);
    const auto window = reinterpret_cast<WindowHandle>(console.get());
    console.reset();
    EXPECT_FALSE(platform_.postCharacter(window, u'a'));
}

}  // namespace
}  // namespace vantrel::win32
