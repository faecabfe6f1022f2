// Long and awkward answers, and many clicks in a row.
#include <string>
#include <vector>

#include "driver/VantrelTest.h"

namespace e2e {
namespace {

using namespace vantrel;

using RobustnessTest = VantrelTest;

TEST_F(RobustnessTest, AnAnswerOf5000CharactersArrivesComplete) {
    std::wstring answer;
    for (int index = 0; answer.size() < 5000; ++index) {
        answer += std::to_wstring(index % 10) + L"安卓";
    }
    answer.resize(5000);
    startNormalItem(L"卸载Apk");
    answerInputBox(answer);
    EXPECT_EQ(typedText(), L"adb shell pm uninstall -k --user 0 " + answer + L"\r");
}

TEST_F(RobustnessTest, QuotesAndShellOperatorsArriveUnchanged) {
    const std::wstring answer = L"\"a b\" & c | d ^ e > f < g % h % 'i' ! ; `j` \\ /";
    startNormalItem(L"无线调试");
    answerInputBox(answer);
    EXPECT_EQ(typedText(), L"adb connect " + answer + L"\r");
}

TEST_F(RobustnessTest, FiftyQuickStartsArriveAsFiftyWholeLinesInClickOrder) {
    // The clicks go out back to back, each after a posted change of the list,
    // without waiting for the program in between.
    const std::vector<std::pair<int, std::wstring>> cycle{
        {0, L"adb shell reboot"}, {1, L"adb shell reboot -p"}, {3, L"adb devices"}};
    HWND combo1 = window().control(kNormalActionList);
    std::wstring expected;
    for (int click = 0; click < 50; ++click) {
        const auto& [index, line] = cycle[static_cast<size_t>(click) % cycle.size()];
        PostMessageW(combo1, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        window().click(kStartButton);
        expected += line + L"\r";
    }
    EXPECT_EQ(typedText(), expected);
    EXPECT_TRUE(window().answers());
    console().forget();
    startNormalItem(L"进入Shell");
    EXPECT_EQ(typedText(), L"adb shell\r");
}

}  // namespace
}  // namespace e2e
