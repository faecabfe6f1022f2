#include "driver/ScreenshotPose.h"

#include <windows.h>

#include <cstdio>
#include <exception>
#include <stdexcept>

#include "driver/DriverOptions.h"
#include "driver/FileWriting.h"
#include "driver/MainWindow.h"
#include "driver/MessagePump.h"
#include "driver/ProgramProcess.h"
#include "driver/WorkFolder.h"
#include "support/FakeUsbDevices.h"

namespace e2e {
namespace {

// The window's outer rectangle in the form that ImageMagick's -crop takes.
void writeGeometry(HWND window, const std::wstring& file) {
    RECT rect{};
    GetWindowRect(window, &rect);
    char geometry[64];
    const int length =
        std::snprintf(geometry, sizeof(geometry), "%ldx%ld+%ld+%ld\n", rect.right - rect.left,
                      rect.bottom - rect.top, rect.left, rect.top);
    writeFile(file, std::string_view(geometry, static_cast<std::size_t>(length)), CREATE_ALWAYS,
              "could not write the screenshot's ready file");
}

}  // namespace

int poseForScreenshot(const std::wstring& readyFile, const std::wstring& doneFile) {
    try {
        removeAutoStartMarker();
        vantrel::fakeusb::removeLeftoverFakeDevices();
        const WorkFolderTools tools;
        // A phone in ADB mode, as the window shows it most of the time.
        const vantrel::fakeusb::FakeUsbDevice phone(vantrel::fakeusb::FakeDeviceKind::AdbPhone,
                                                    L"PICTURE");
        const ProgramProcess program(vantrelPath());
        MainWindow window(program.mainWindow());
        if (!pumpUntil([&] { return window.phoneStatus() == L"手机已连接（ADB）"; })) {
            throw std::runtime_error("the status bar did not show the phone");
        }
        window.settle();
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
