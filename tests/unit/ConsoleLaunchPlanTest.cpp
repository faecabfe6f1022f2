#include <gtest/gtest.h>

#include "launchplan/ConsoleLaunchPlan.h"

namespace vantrel {
namespace {

TEST(ConsoleLaunchPlanTest, WindowsTenAndLaterTryConhostFirstThenCmd) {
    const auto plan = consoleLaunchPlan({10, 0, 22631}, u"C:\\Windows\\system32");
    ASSERT_EQ(plan.size(), 2u);
    EXPECT_EQ(plan[0].application, u"C:\\Windows\\system32\\conhost.exe");
    EXPECT_EQ(plan[0].commandLine,
              u"\"C:\\Windows\\system32\\conhost.exe\" \"C:\\Windows\\system32\\cmd.exe\"");
    EXPECT_EQ(plan[1].application, u"C:\\Windows\\system32\\cmd.exe");
    EXPECT_EQ(plan[1].commandLine, u"\"C:\\Windows\\system32\\cmd.exe\"");
    EXPECT_FALSE(plan[0].needsNewConsole);
    EXPECT_TRUE(plan[1].needsNewConsole);
}

TEST(ConsoleLaunchPlanTest, OlderWindowsStartCmdOnly) {
    for (const WindowsVersion version : {WindowsVersion{6, 1, 7601}, WindowsVersion{6, 3, 9600}}) {
        const auto plan = consoleLaunchPlan(version, u"C:\\Windows\\system32\\");
        ASSERT_EQ(plan.size(), 1u);
        EXPECT_EQ(plan[0].application, u"C:\\Windows\\system32\\cmd.exe");
    }
}

TEST(ConsoleLaunchPlanTest, AThirtyTwoBitProgramStartsTheNativeProgramsThroughSysnative) {
    const std::u16string folder =
        nativeSystemFolder(true, u"C:\\Windows\\SysWOW64", u"C:\\Windows");
    EXPECT_EQ(folder, u"C:\\Windows\\Sysnative");
    for (const WindowsVersion version :
         {WindowsVersion{6, 1, 7601}, WindowsVersion{10, 0, 19045}}) {
        for (const ProcessLaunch& launch : consoleLaunchPlan(version, folder)) {
            EXPECT_TRUE(launch.application.starts_with(u"C:\\Windows\\Sysnative\\"));
            EXPECT_EQ(launch.commandLine.find(u"SysWOW64"), std::u16string::npos);
        }
    }
}

TEST(ConsoleLaunchPlanTest, ANativeProgramKeepsSystem32AndAnUnknownFolderGivesNoPlace) {
    EXPECT_EQ(nativeSystemFolder(false, u"C:\\Windows\\system32", u"C:\\Windows"),
              u"C:\\Windows\\system32");
    EXPECT_EQ(nativeSystemFolder(true, u"C:\\Windows\\SysWOW64", u""), u"");
    EXPECT_EQ(nativeSystemFolder(false, u"", u"C:\\Windows"), u"");
}

}  // namespace
}  // namespace vantrel
