#include "driver/ScreenshotPose.h"

#include <windows.h>

#include <cstdio>
#include <exception>
#include <stdexcept>

#include "driver/DriverOptions.h"
#include "driver/MainWindow.h"
#include "driver/MessagePump.h"
#include "driver/ProgramProcess.h"
#include "driver/WorkFolder.h"
#include "win32/common/UniqueHandles.h"

namespace e2e {

using vantrel::win32::UniqueHandle;
namespace {

// The window's outer rectangle in the form that ImageMagick's -crop takes.
void writeGeometry(HWND window, const std::wstring& file) {
    RECT rect{};
    GetWindowRect(window, &rect);
    char geometry[64];
    const int length =
        std::snprintf(geometry, sizeof(geometry), "%ldx%ld+%ld+%ld\n", rect.right - rect.left,
                      rect.bottom - rect.top, rect.left, rect.top);
    HANDLE created = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created == INVALID_HANDLE_VALUE) {
        throw std::runtime_error("could not write the screenshot's ready file");
    }
    const UniqueHandle ready(created);
    DWORD written = 0;
    WriteFile(ready.get(), geometry, static_cast<DWORD>(length), &written, nullptr);
}

}  // namespace

int poseForScreenshot(const std::wstring& readyFile, const std::wstring& doneFile) {
    try {
        removeAutoStartMarker();
        const ProgramProcess program(vantrelPath());
        MainWindow(program.mainWindow()).settle();
        writeGeometry(program.mainWindow(), readyFile);
        const bool shot = pumpUntil(
            [&] { return GetFileAttributesW(doneFile.c_str()) != INVALID_FILE_ATTRIBUTES; }, 60s);
        return shot ? 0 : 1;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "screenshot pose failed: %s\n", failure.what());
        return 1;
    }
}

}  // namespace e2e
