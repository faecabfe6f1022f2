// Runs a program while 20 fake USB devices are attached in the Wine prefix:
// phones of every kind and other devices, removed when the program has ended.
// Usage: usb-fakes PROGRAM; exits with the program's exit code.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "support/FakeUsbDevices.h"
#include "win32/common/UniqueHandles.h"

namespace {

using vantrel::fakeusb::FakeDeviceKind;
using vantrel::fakeusb::FakeUsbDevice;

constexpr int kDevicesEachKind = 4;  // 5 kinds: 20 device nodes

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: usb-fakes PROGRAM\n");
        return 2;
    }
    vantrel::fakeusb::removeLeftoverFakeDevices();
    std::vector<std::unique_ptr<FakeUsbDevice>> devices;
    for (const FakeDeviceKind kind :
         {FakeDeviceKind::AdbPhone, FakeDeviceKind::FastbootPhone,
          FakeDeviceKind::PhoneWithoutDriverKey, FakeDeviceKind::PhoneWithProblemCode,
          FakeDeviceKind::OtherDevice}) {
        for (int i = 0; i < kDevicesEachKind; ++i) {
            devices.push_back(
                std::make_unique<FakeUsbDevice>(kind, L"BENCH" + std::to_wstring(devices.size())));
        }
    }

    std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        std::fprintf(stderr, "could not start the program, error %lu\n", GetLastError());
        return 2;
    }
    const vantrel::win32::UniqueHandle process(started.hProcess);
    const vantrel::win32::UniqueHandle thread(started.hThread);
    WaitForSingleObject(process.get(), INFINITE);
    DWORD exitCode = 2;
    GetExitCodeProcess(process.get(), &exitCode);
    return static_cast<int>(exitCode);
}
