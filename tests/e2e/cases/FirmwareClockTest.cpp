// "提取固件" (the dd line from two answers) and "同步时间" (the date line
// from the PC's local clock).
#include <gmock/gmock.h>
#include <windows.h>

#include <cwchar>
#include <string>
#include <vector>

#include "driver/Units.h"
#include "driver/VantrelTest.h"

namespace e2e {
namespace {

using namespace vantrel;

constexpr wchar_t kPartitionPrompt[] =
    L"需要设备获取root权限，并授权ADBroot权限，请输入手机上固件分区的位置，请用root权限，并用shell到/fstab文件里面查询里面查询，最后路径如果要提取recovery分区，请填recovery，如果要提取boot分区，请填boot，如果要提取system分区，请填system，以此类推。";
constexpr wchar_t kTargetPrompt[] =
    L"请输入要保存在手机上的文件路径，默认/sdcard目录下，如果你提取的是recovery分区，则最后文件名称为recovery.img，如果你提取的是boot分区，则最后文件名称为boot.img，如果你提取的是system分区，则最后文件名称为system.img，以此类推。";

using FirmwareExtractionTest = VantrelTest;

TEST_F(FirmwareExtractionTest, AsksPartitionAndTargetAndTypesTheDdLine) {
    startNormalItem(L"提取固件");
    EXPECT_EQ(readInputBox(waitForDialog()),
              (InputBoxTexts{L"提醒", kPartitionPrompt,
                             L"/dev/block/platform/sdio_emmc/by-name/recovery"}));
    EXPECT_EQ(statusText(), L"");
    acceptInputBoxDefault();
    EXPECT_EQ(readInputBox(waitForDialog()),
              (InputBoxTexts{L"提醒", kTargetPrompt, L"/sdcard/recovery.img"}));
    acceptInputBoxDefault();
    EXPECT_EQ(
        typedText(),
        L"adb shell \"su -c 'dd if=/dev/block/platform/sdio_emmc/by-name/recovery of=/sdcard/recovery.img'\"\r");
    EXPECT_EQ(statusText(), L"");
}

TEST_F(FirmwareExtractionTest, CancelOnTheFirstBoxStillAsksTheSecondAndTypesNothing) {
    startNormalItem(L"提取固件");
    cancelInputBox();
    acceptInputBoxDefault();
    EXPECT_FALSE(dialogOpen());
    EXPECT_EQ(typedText(), L"");
}

TEST_F(FirmwareExtractionTest, AnswersWithBlanksAreTypedInsideTheQuotes) {
    startNormalItem(L"提取固件");
    answerInputBox(L"/dev/block/by-name/boot a");
    answerInputBox(L"/sdcard/my boot.img");
    EXPECT_EQ(typedText(),
              L"adb shell \"su -c 'dd if=/dev/block/by-name/boot a of=/sdcard/my boot.img'\"\r");
}

std::wstring clockLine(const SYSTEMTIME& time) {
    wchar_t line[80];
    std::swprintf(line, std::size(line), L"adb shell \"su -c 'date %02u%02u%02u%02u%u.%02u set'\"",
                  time.wMonth, time.wDay, time.wHour, time.wMinute, time.wYear, time.wSecond);
    return line;
}

ULONGLONG ticks(SYSTEMTIME time) {
    time.wMilliseconds = 0;
    FILETIME fileTime{};
    SystemTimeToFileTime(&time, &fileTime);
    return (ULONGLONG{fileTime.dwHighDateTime} << 32) | fileTime.dwLowDateTime;
}

// The lines of every whole second from one clock reading to the other.
std::vector<std::wstring> clockLinesBetween(const SYSTEMTIME& first, const SYSTEMTIME& last) {
    constexpr ULONGLONG kTicksPerSecond = 10'000'000;
    std::vector<std::wstring> lines;
    for (ULONGLONG at = ticks(first); at <= ticks(last); at += kTicksPerSecond) {
        const FILETIME fileTime{static_cast<DWORD>(at), static_cast<DWORD>(at >> 32)};
        SYSTEMTIME time{};
        FileTimeToSystemTime(&fileTime, &time);
        lines.push_back(enteredLine(clockLine(time)));
    }
    return lines;
}

using ClockSyncTest = VantrelTest;

TEST_F(ClockSyncTest, TypesTheLocalTimeOfTheClickWithoutADialog) {
    selectMode(kNormalModeOption);
    chooseListText(kNormalActionList, L"同步时间");
    window().typeText(kStatusBox, kEarlierStatus);
    SYSTEMTIME before{};
    GetLocalTime(&before);
    pressStart();
    SYSTEMTIME after{};
    GetLocalTime(&after);
    EXPECT_THAT(clockLinesBetween(before, after), ::testing::Contains(typedText()));
    EXPECT_FALSE(dialogOpen());
    EXPECT_EQ(statusText(), L"");
}

}  // namespace
}  // namespace e2e
