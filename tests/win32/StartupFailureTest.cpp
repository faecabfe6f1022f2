#include <gtest/gtest.h>
#include <windows.h>

#include "win32/window/StartupFailure.h"

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

}  // namespace
}  // namespace vantrel::win32
