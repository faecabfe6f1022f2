#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "win32/common/UniqueHandles.h"
#include "win32/platform/Win32Platform.h"

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

TEST_F(ConsoleWindowTest, ListsTheConsoleWindowsInZOrderAndWhetherEachCanBeSeen) {
    // A test run from a real Windows console sees that console too.
    const std::size_t consolesBeforeTest = platform_.consoleWindows().size();
    const UniqueWindow hidden = openConsole();
    const UniqueWindow minimized = openConsole();
    ASSERT_TRUE(hidden && minimized);
    ShowWindow(minimized.get(), SW_SHOWMINNOACTIVE);
    SetWindowPos(hidden.get(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    const std::vector<ConsoleWindow> consoles = platform_.consoleWindows();
    ASSERT_EQ(consoles.size(), consolesBeforeTest + 2);
    EXPECT_EQ(consoles[0].handle, reinterpret_cast<WindowHandle>(hidden.get()));
    EXPECT_FALSE(consoles[0].visible);
    EXPECT_EQ(consoles[1].handle, reinterpret_cast<WindowHandle>(minimized.get()));
    EXPECT_TRUE(consoles[1].visible) << "a minimized console can be seen";
}

TEST_F(ConsoleWindowTest, PostsEveryCodeUnitUnchanged) {
    const UniqueWindow console = openConsole();
    ASSERT_TRUE(console);
    const auto window = reinterpret_cast<WindowHandle>(console.get());
    // "a", 中, then 😀 as its two surrogate halves, then the Enter.
    const std::vector<char16_t> units{u'a', u'\u4E2D', 0xD83D, 0xDE00, 13};
    for (const char16_t unit : units) {
        EXPECT_EQ(platform_.postCharacter(window, unit), PostResult::Posted);
    }
    handlePostedMessages();
    EXPECT_EQ(receivedCharacters, (std::vector<WPARAM>{0x61, 0x4E2D, 0xD83D, 0xDE00, 13}));
}

TEST_F(ConsoleWindowTest, PostingToAClosedWindowFails) {
    UniqueWindow console = openConsole();
    ASSERT_TRUE(console);
    const auto window = reinterpret_cast<WindowHandle>(console.get());
    console.reset();
    EXPECT_EQ(platform_.postCharacter(window, u'a'), PostResult::Failed);
}

}  // namespace
}  // namespace vantrel::win32
