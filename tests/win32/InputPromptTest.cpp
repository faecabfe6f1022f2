#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

#include "win32/common/RectSize.h"
#include "win32/common/UniqueHandles.h"
#include "win32/common/WideText.h"
#include "win32/window/InputPromptDialog.h"

namespace vantrel::win32 {
namespace {

constexpr wchar_t kTitle[] = L"提醒";

std::function<void(HWND)> actOnDialog;

// Runs actOnDialog once the input box is open, from inside its modal loop.
void CALLBACK whenDialogOpen(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND dialog = FindWindowW(L"#32770", kTitle);
    if (dialog == nullptr) {
        return;
    }
    KillTimer(nullptr, timer);
    actOnDialog(dialog);
}

std::u16string textOf(HWND dialog, int id) {
    return windowText(GetDlgItem(dialog, id));
}

RECT rectIn(HWND dialog, int id) {
    return rectInClientArea(dialog, GetDlgItem(dialog, id));
}

void pressKey(HWND control, WPARAM key) {
    PostMessageW(control, WM_KEYDOWN, key, 0);
    PostMessageW(control, WM_KEYUP, key, 0xC0000000);
}

class InputPromptTest : public ::testing::Test {
  protected:
    std::u16string ask(std::u16string_view prompt, std::u16string_view defaultText,
                       std::function<void(HWND)> act) {
        actOnDialog = std::move(act);
        SetTimer(nullptr, 0, 10, whenDialogOpen);
        return showInputPrompt(owner_, prompt, utf16(kTitle), defaultText);
    }

    HWND owner_ = nullptr;
};

TEST_F(InputPromptTest, ShowsTitlePromptAndTheSelectedDefaultOwnedByTheMainWindow) {
    const UniqueWindow owner(CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPED, 0, 0, 100, 100,
                                             nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    owner_ = owner.get();
    const std::u16string answer = ask(u"请输入IP地址", u"192.168.1.", [&](HWND dialog) {
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), owner.get());
        EXPECT_EQ(GetWindowLongPtrW(dialog, GWL_EXSTYLE) & WS_EX_CONTEXTHELP, 0);
        EXPECT_EQ(textOf(dialog, kPromptTextId), u"请输入IP地址");
        EXPECT_EQ(textOf(dialog, kAnswerEditId), u"192.168.1.");
        EXPECT_EQ(textOf(dialog, IDOK), u"确定");
        EXPECT_EQ(textOf(dialog, IDCANCEL), u"取消");

        const HWND edit = GetDlgItem(dialog, kAnswerEditId);
        EXPECT_EQ(GetFocus(), edit);
        DWORD start = 0;
        DWORD end = 0;
        SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, 10u);
        SendMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(answer, u"");
}

TEST_F(InputPromptTest, OkReturnsATypedLongAnswerUnchanged) {
    // Typing honours the field's length limit, unlike setting the text.
    const std::u16string typed = u"  中 文 " + std::u16string(40000, u'x') + u"  ";
    const std::u16string answer = ask(u"提示", u"默认", [&](HWND dialog) {
        const HWND edit = GetDlgItem(dialog, kAnswerEditId);
        SendMessageW(edit, EM_SETSEL, 0, -1);
        SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide(typed).c_str()));
        SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(answer, typed);
}

TEST_F(InputPromptTest, EnterAnswersTheDefaultAndEscOrTheCloseBoxAnswerNothing) {
    const auto pressIn = [](WPARAM key) {
        return [key](HWND dialog) { pressKey(GetDlgItem(dialog, kAnswerEditId), key); };
    };
    EXPECT_EQ(ask(u"提示", u" 5555 ", pressIn(VK_RETURN)), u" 5555 ");
    EXPECT_EQ(ask(u"提示", u"5555", pressIn(VK_ESCAPE)), u"");
    EXPECT_EQ(ask(u"提示", u"5555",
                  [](HWND dialog) { SendMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }),
              u"");
}

TEST_F(InputPromptTest, ALongPromptWrapsAboveTheFieldWithinTheDialog) {
    std::u16string prompt;
    for (int i = 0; i < 15; ++i) {
        prompt += u"请输入要提取的分区名称，例如";
    }
    ask(prompt, u"boot", [](HWND dialog) {
        const RECT text = rectIn(dialog, kPromptTextId);
        const RECT edit = rectIn(dialog, kAnswerEditId);
        const RECT ok = rectIn(dialog, IDOK);
        RECT client;
        GetClientRect(dialog, &client);
        EXPECT_GT(text.bottom - text.top, 3 * (edit.bottom - edit.top) / 2) << "several lines";
        EXPECT_LE(text.bottom, edit.top);
        EXPECT_LE(edit.bottom, ok.top);
        EXPECT_LE(ok.bottom, client.bottom);
        SendMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    });
}

}  // namespace
}  // namespace vantrel::win32
