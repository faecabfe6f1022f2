// "打开cmd" and the auto-start marker: the consoles that the program opens,
// seen as new command interpreter processes, and what the user is told when
// none can be started.
#include <gmock/gmock.h>
#include <windows.h>

#include <optional>
#include <string>

#include "driver/BrokenConsolePrograms.h"
#include "driver/ConsoleStartingTest.h"
#include "driver/DriverOptions.h"
#include "driver/ProcessEnvironment.h"
#include "driver/Units.h"
#include "driver/WorkFolder.h"

namespace e2e {
namespace {

using namespace vantrel;

constexpr wchar_t kPlantRoot[] = L"C:\\vantrel-e2e-plant";
constexpr wchar_t kPlantedCmdRan[] = L"C:\\vantrel-e2e-planted-cmd-ran";
constexpr wchar_t kStartFailed[] = L"无法打开cmd窗口";
// A current folder for the program that is not the work folder.
constexpr wchar_t kProgramsOwnFolder[] = L"C:\\windows";

// The system's own cmd.exe in the native system folder: System32 as the
// 64-bit driver sees it, or Sysnative, the name through which a 32-bit
// program reaches the same folder (a process may keep the name it was started by).
bool isNativeSystemCmd(const std::wstring& path) {
    wchar_t folder[MAX_PATH] = {};
    GetSystemDirectoryW(folder, MAX_PATH);
    const std::wstring system32Cmd = std::wstring(folder) + L"\\cmd.exe";
    GetWindowsDirectoryW(folder, MAX_PATH);
    const std::wstring sysnativeCmd = std::wstring(folder) + L"\\Sysnative\\cmd.exe";
    return equalIgnoringCase(path, system32Cmd) || equalIgnoringCase(path, sysnativeCmd);
}

bool exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A copy of vantrel.exe with a planted cmd.exe beside it, and a working
// folder with another planted cmd.exe; all removed again at the end.
class PlantedFolders {
  public:
    PlantedFolders() {
        CreateDirectoryW(kPlantRoot, nullptr);
        CreateDirectoryW(programFolder().c_str(), nullptr);
        CreateDirectoryW(workingFolder().c_str(), nullptr);
        DeleteFileW(kPlantedCmdRan);
        const std::wstring planted = besideDriver(L"planted_cmd.exe");
        if (!CopyFileW(vantrelPath().c_str(), program().c_str(), FALSE) ||
            !CopyFileW(planted.c_str(), (programFolder() + L"\\cmd.exe").c_str(), FALSE) ||
            !CopyFileW(planted.c_str(), (workingFolder() + L"\\cmd.exe").c_str(), FALSE)) {
            throw std::runtime_error("could not plant cmd.exe beside a copy of vantrel.exe");
        }
    }
    ~PlantedFolders() {
        DeleteFileW(program().c_str());
        DeleteFileW((programFolder() + L"\\cmd.exe").c_str());
        DeleteFileW((workingFolder() + L"\\cmd.exe").c_str());
        RemoveDirectoryW(programFolder().c_str());
        RemoveDirectoryW(workingFolder().c_str());
        RemoveDirectoryW(kPlantRoot);
        DeleteFileW(kPlantedCmdRan);
    }
    PlantedFolders(const PlantedFolders&) = delete;
    PlantedFolders& operator=(const PlantedFolders&) = delete;

    static std::wstring programFolder() { return std::wstring(kPlantRoot) + L"\\app"; }
    static std::wstring workingFolder() { return std::wstring(kPlantRoot) + L"\\cwd"; }
    static std::wstring program() { return programFolder() + L"\\vantrel.exe"; }
};

class ConsoleLaunchTest : public ConsoleStartingTest {
  protected:
    // Waits until `count` consoles have been opened in all, or the planted one ran.
    void waitForConsoles(size_t count) {
        ConsoleStartingTest::waitForConsoles(count, [] { return exists(kPlantedCmdRan); });
    }

    void expectAllFromTheSystemFolder() {
        for (const DWORD processId : interpreters_.started()) {
            EXPECT_TRUE(isNativeSystemCmd(processImagePath(processId)))
                << utf8(processImagePath(processId));
        }
    }

    void expectAllIn(const std::wstring& folder) {
        for (const DWORD processId : interpreters_.started()) {
            ASSERT_TRUE(sameBitnessAsDriver(processId))
                << "the native cmd.exe, also for a 32-bit program";
            EXPECT_TRUE(equalIgnoringCase(currentFolderOf(processId), folder))
                << utf8(currentFolderOf(processId));
        }
    }

    std::optional<PlantedFolders> planted_;
};

TEST_F(ConsoleLaunchTest, EachClickOfOpenCmdStartsOneCommandInterpreterFromTheSystemFolder) {
    launch(vantrelPath());
    EXPECT_TRUE(interpreters_.started().empty())
        << "without the marker no console opens at start-up";
    for (size_t clicks = 1; clicks <= 2; ++clicks) {
        clickOpenCmd();
        waitForConsoles(clicks);
        EXPECT_EQ(interpreters_.started().size(), clicks);
        EXPECT_EQ(statusText(), L"");
    }
    expectAllFromTheSystemFolder();
}

TEST_F(ConsoleLaunchTest, ACmdExePlantedBesideTheProgramOrInItsWorkingFolderNeverRuns) {
    planted_.emplace();
    launch(PlantedFolders::program(), PlantedFolders::workingFolder());
    clickOpenCmd();
    waitForConsoles(1);
    EXPECT_FALSE(exists(kPlantedCmdRan));
    EXPECT_EQ(interpreters_.started().size(), 1u);
    expectAllFromTheSystemFolder();
}

TEST_F(ConsoleLaunchTest, OpenCmdSaysSoWhenNoConsoleCanStartAndStartsOneOnceItCanAgain) {
    launch(vantrelPath());
    {
        const BrokenConsolePrograms broken;
        clickOpenCmd();
        EXPECT_EQ(statusText(), kStartFailed);
        EXPECT_TRUE(interpreters_.started().empty());
    }
    clickOpenCmd();
    waitForConsoles(1);
    EXPECT_EQ(interpreters_.started().size(), 1u);
    EXPECT_EQ(statusText(), L"");
}

TEST_F(ConsoleLaunchTest, ConsolesStartInTheWorkFolderAtLoadAndAtEveryClick) {
    const WorkFolderEntry marker(L"qd", WorkFolderEntry::Form::Folder);
    launch(vantrelPath(), kProgramsOwnFolder);
    waitForConsoles(1);
    clickOpenCmd();
    waitForConsoles(2);
    ASSERT_EQ(interpreters_.started().size(), 2u);
    expectAllIn(L"C:\\ADB\\");
}

TEST_F(ConsoleLaunchTest, WithoutAWorkFolderAConsoleStartsInTheProgramsOwnCurrentFolder) {
    const WorkFolderAside aside;
    launch(vantrelPath(), kProgramsOwnFolder);
    clickOpenCmd();
    waitForConsoles(1);
    ASSERT_EQ(interpreters_.started().size(), 1u);
    expectAllIn(std::wstring(kProgramsOwnFolder) + L"\\");
}

TEST_F(ConsoleLaunchTest, TheConsoleGetsTheEnvironmentThatTheProgramWasStartedWith) {
    // The program inherits the driver's environment, and its console the program's.
    ASSERT_TRUE(SetEnvironmentVariableW(L"VANTREL_E2E_INHERITED", L"从驱动程序"));
    launch(vantrelPath());
    SetEnvironmentVariableW(L"VANTREL_E2E_INHERITED", nullptr);
    clickOpenCmd();
    waitForConsoles(1);
    ASSERT_EQ(interpreters_.started().size(), 1u);
    const DWORD console = *interpreters_.started().begin();
    if (!sameBitnessAsDriver(console)) {
        GTEST_SKIP() << "the driver reads the environment of consoles of its own bitness only";
    }
    EXPECT_EQ(environmentVariableOf(console, L"VANTREL_E2E_INHERITED"), L"从驱动程序");
}

TEST_F(ConsoleLaunchTest, AConsoleOpenedAfterADeviceWasChosenAddressesThatDeviceUntilCleared) {
    launch(vantrelPath());
    chooseMenuItem(kChooseDeviceItem);
    answerInputBox(L"emulator-5554");
    clickOpenCmd();
    waitForConsoles(1);
    chooseMenuItem(kClearDeviceItem);
    clickOpenCmd();
    waitForConsoles(2);
    ASSERT_EQ(interpreters_.started().size(), 2u);
    // Process ids say nothing of the order: the one with the variable came first.
    std::vector<std::optional<std::wstring>> serials;
    for (const DWORD console : interpreters_.started()) {
        ASSERT_TRUE(sameBitnessAsDriver(console))
            << "the native cmd.exe, also for a 32-bit program";
        serials.push_back(environmentVariableOf(console, L"ANDROID_SERIAL"));
    }
    EXPECT_THAT(serials,
                ::testing::UnorderedElementsAre(std::wstring(L"emulator-5554"), std::nullopt));
}

TEST_F(ConsoleLaunchTest, AConsoleThatCannotStartAtLoadIsStillReportedOnceTheWindowShows) {
    const WorkFolderEntry marker(L"qd", WorkFolderEntry::Form::Folder);
    const BrokenConsolePrograms broken;
    launch(vantrelPath());
    EXPECT_EQ(statusText(), kStartFailed);
    EXPECT_TRUE(window().isChecked(kNormalModeOption));
    EXPECT_TRUE(interpreters_.started().empty());
}

// The auto-start marker C:\adb\qd in each form that it can take at start-up.
struct MarkerCase {
    const char* name;
    WorkFolderEntry::Form form;
    size_t consoles;  // opened at start-up
};

class AutoStartMarkerTest : public ConsoleLaunchTest,
                            public ::testing::WithParamInterface<MarkerCase> {};

TEST_P(AutoStartMarkerTest, AStartOpensOneConsoleForAFolderOrAPlainFileOnly) {
    const WorkFolderEntry marker(L"qd", GetParam().form);
    launch(vantrelPath());
    // The console is started before the window is shown: any that the start
    // opened is running by now.
    waitForConsoles(GetParam().consoles);
    EXPECT_EQ(interpreters_.started().size(), GetParam().consoles);
    expectAllFromTheSystemFolder();
    EXPECT_EQ(statusText(), L"");
}

INSTANTIATE_TEST_SUITE_P(
    Marker, AutoStartMarkerTest,
    ::testing::Values(MarkerCase{"Folder", WorkFolderEntry::Form::Folder, 1},
                      MarkerCase{"PlainFile", WorkFolderEntry::Form::OrdinaryFile, 1},
                      MarkerCase{"HiddenFile", WorkFolderEntry::Form::HiddenFile, 0},
                      MarkerCase{"SystemFile", WorkFolderEntry::Form::SystemFile, 0}),
    [](const ::testing::TestParamInfo<MarkerCase>& marker) {
        return std::string(marker.param.name);
    });

}  // namespace
}  // namespace e2e
