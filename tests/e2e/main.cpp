// vantrel_e2e: end-to-end checks of vantrel.exe. Options besides GoogleTest's:
//   --vantrel=PATH   the program under test (else the environment variable VANTREL_EXE)
//   --expect-code-page=N   fail at once unless the system ANSI code page is N
//   --expect-dpi=N   fail at once unless the screen's DPI (LogPixels under Wine) is N
//   --probes-32=FOLDER   the 32-bit probe.dll and probehost.exe, for a 32-bit vantrel.exe
//   --pose-for-screenshot=READY;DONE   show the window for a screenshot instead of testing
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <string_view>

#include "driver/BrokenConsolePrograms.h"
#include "driver/DriverOptions.h"
#include "driver/ExpectedLayout.h"
#include "driver/ScreenshotPose.h"
#include "driver/WorkFolder.h"

namespace {

constexpr std::wstring_view kVantrelOption = L"--vantrel=";
constexpr std::wstring_view kCodePageOption = L"--expect-code-page=";
constexpr std::wstring_view kDpiOption = L"--expect-dpi=";
constexpr std::wstring_view kProbes32Option = L"--probes-32=";
constexpr std::wstring_view kPoseOption = L"--pose-for-screenshot=";

}  // namespace

int wmain(int argc, wchar_t** argv) {
    testing::InitGoogleTest(&argc, argv);
    for (int index = 1; index < argc; ++index) {
        const std::wstring_view argument(argv[index]);
        if (argument.starts_with(kVantrelOption)) {
            e2e::setVantrelPath(std::wstring(argument.substr(kVantrelOption.size())));
        } else if (argument.starts_with(kCodePageOption)) {
            // The typing checks mean little under another code page than the one asked for.
            const auto expected = std::stoul(std::wstring(argument.substr(kCodePageOption.size())));
            std::printf("system ANSI code page: %u\n", GetACP());
            if (GetACP() != expected) {
                std::fprintf(stderr, "expected ANSI code page %lu\n", expected);
                return 2;
            }
        } else if (argument.starts_with(kDpiOption)) {
            // The layout checks would pass at 96 DPI all the same.
            const int expected = std::stoi(std::wstring(argument.substr(kDpiOption.size())));
            std::printf("screen DPI: %d\n", e2e::screenDpi());
            if (e2e::screenDpi() != expected) {
                std::fprintf(stderr, "expected %d DPI\n", expected);
                return 2;
            }
        } else if (argument.starts_with(kProbes32Option)) {
            e2e::setProbeFolder32(std::wstring(argument.substr(kProbes32Option.size())));
        } else if (argument.starts_with(kPoseOption)) {
            const std::wstring_view files = argument.substr(kPoseOption.size());
            const size_t split = files.find(L';');
            return e2e::poseForScreenshot(std::wstring(files.substr(0, split)),
                                          std::wstring(files.substr(split + 1)));
        }
    }
    // A run that ended in the middle of a check may have left the consoles
    // unable to start, or the work folder aside.
    e2e::restoreConsolePrograms();
    e2e::restoreWorkFolder();
    return RUN_ALL_TESTS();
}
