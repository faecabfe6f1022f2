#include <gtest/gtest.h>

#include "actions/ComposedLines.h"

namespace vantrel {
namespace {

TEST(ClockSyncLineTest, WorkedExamples) {
    EXPECT_EQ(clockSyncLine({2027, 3, 5, 9, 7, 3}),
              u"adb shell \"su -c 'date 030509072027.03 set'\"");
    EXPECT_EQ(clockSyncLine({2026, 12, 31, 23, 59, 58}),
              u"adb shell \"su -c 'date 123123592026.58 set'\"");
    EXPECT_EQ(clockSyncLine({2027, 1, 1, 0, 0, 0}),
              u"adb shell \"su -c 'date 010100002027.00 set'\"");
}

TEST(ClockSyncLineTest, PadsEveryOneDigitFieldButTheYear) {
    EXPECT_EQ(clockSyncLine({2027, 2, 2, 3, 4, 5}),
              u"adb shell \"su -c 'date 020203042027.05 set'\"");
    EXPECT_EQ(clockSyncLine({987, 10, 10, 10, 10, 10}),
              u"adb shell \"su -c 'date 10101010987.10 set'\"");
}

TEST(FirmwareExtractionLineTest, BothDefaultsGiveTheRecoveryCopyLine) {
    EXPECT_EQ(
        firmwareExtractionLine(u"/dev/block/platform/sdio_emmc/by-name/recovery",
                               u"/sdcard/recovery.img"),
        u"adb shell \"su -c 'dd if=/dev/block/platform/sdio_emmc/by-name/recovery of=/sdcard/recovery.img'\"");
}

TEST(FirmwareExtractionLineTest, AnswersAreInsertedUnchanged) {
    EXPECT_EQ(firmwareExtractionLine(u" a b ", u"c'd"),
              u"adb shell \"su -c 'dd if= a b  of=c'd'\"");
}

}  // namespace
}  // namespace vantrel
