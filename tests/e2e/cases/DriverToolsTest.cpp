// Checks of the driver's own tools where the program cannot show them at work.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "driver/DriverOptions.h"
#include "driver/ProcessEnvironment.h"
#include "driver/ProgramProcess.h"
#include "driver/Units.h"
#include "win32/common/UniqueHandles.h"

namespace e2e {

using vantrel::win32::UniqueHandle;

namespace {

// idle_child.exe, started with the given environment block and ended with the check.
class IdleChild {
  public:
    explicit IdleChild(std::wstring environment) {
        const std::wstring program = besideDriver(L"idle_child.exe");
        std::wstring commandLine = L"\"" + program + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION started{};
        if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                            CREATE_UNICODE_ENVIRONMENT, environment.data(), nullptr, &startup,
                            &started)) {
            throw programStartFailure(program);
        }
        process_.reset(started.hProcess);
        const UniqueHandle thread(started.hThread);
        processId_ = started.dwProcessId;
    }
    ~IdleChild() {
        TerminateProcess(process_.get(), 0);
        WaitForSingleObject(process_.get(), 5000);
    }
    IdleChild(const IdleChild&) = delete;
    IdleChild& operator=(const IdleChild&) = delete;

    DWORD processId() const { return processId_; }

  private:
    UniqueHandle process_;
    DWORD processId_ = 0;
};

TEST(DriverToolsTest, ReadsTheEnvironmentThatAnotherProcessWasStartedWith) {
    using namespace std::string_literals;
    const IdleChild child(
        L"=C:=C:\\ADB\0ANDROID_SERIAL=emulator-5554\0"
        L"VANTREL_E2E_MIXED=设备 a=b\0EMPTY=\0\0"s);
    const std::vector<std::wstring> entries = environmentOf(child.processId());
    for (const wchar_t* entry : {L"=C:=C:\\ADB", L"ANDROID_SERIAL=emulator-5554",
                                 L"VANTREL_E2E_MIXED=设备 a=b", L"EMPTY="}) {
        EXPECT_NE(std::ranges::find(entries, entry), entries.end())
            << "missing " << utf8(entry) << " among " << entries.size() << " entries";
    }
    EXPECT_EQ(environmentVariableOf(child.processId(), L"ANDROID_SERIAL"), L"emulator-5554");
    EXPECT_EQ(environmentVariableOf(child.processId(), L"android_serial"), L"emulator-5554");
    EXPECT_EQ(environmentVariableOf(child.processId(), L"VANTREL_E2E_MIXED"), L"设备 a=b");
    EXPECT_EQ(environmentVariableOf(child.processId(), L"EMPTY"), L"");
    EXPECT_EQ(environmentVariableOf(child.processId(), L"ANDROID"), std::nullopt);
    EXPECT_EQ(environmentVariableOf(child.processId(), L"C:"), std::nullopt)
        << "the drive entry \"=C:\" has the name \"=C:\"";
}

}  // namespace
}  // namespace e2e
