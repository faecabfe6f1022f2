#pragma once

#include <string>
#include <string_view>

namespace vantrel::fakeusb {

// Fake USB devices for tests under Wine: device nodes, driver keys and
// interfaces made through SetupAPI in the Wine prefix's registry, which a
// program's SetupAPI queries then list as attached. On Windows the kernel
// keeps the devices, and none of this works there.

// Every fake device's serial number starts with this, so that what a crashed
// run left behind can be found.
inline constexpr std::wstring_view kFakeSerialPrefix = L"VANTRELFAKE";

enum class FakeDeviceKind {
    AdbPhone,                // a driver and an Android interface; ADB protocol IDs
    FastbootPhone,           // a driver and an Android interface; fastboot protocol IDs
    PhoneWithoutDriverKey,   // ADB protocol IDs; no driver was ever installed
    PhoneWithProblemCode,    // fastboot protocol IDs, a driver key, problem code 28
    PhoneWithFailedInstall,  // ADB protocol IDs, a driver key, the config flag "failed install"
    OtherDevice,             // a USB stick's IDs; no driver key
    // An ADB phone as Windows lays out a composite USB device on a hub: the
    // device node USB\VID_18D1&PID_4EE7\<serial> with the product string
    // "Redmi Note 12", and its AdbPhone interface node as its child. Port 1
    // of the hub that tools/fakehub's driver plays (started here unless it
    // runs; it stays) answers with the serial in small letters, as Xiaomi
    // and OnePlus phones report it. One at a time.
    AdbPhoneOnHub,
};

// A fake device for as long as the object lives. It sends no notification:
// call broadcastDeviceChange() where a program should notice it.
class FakeUsbDevice {
  public:
    // Makes the node USB\VID_…&PID_…\<kFakeSerialPrefix><serial>, after
    // removing any node of that id. Throws std::runtime_error when SetupAPI
    // refuses a step, leaving nothing behind.
    FakeUsbDevice(FakeDeviceKind kind, std::wstring_view serial);
    // Removes the node, its driver key and its interface.
    ~FakeUsbDevice();
    FakeUsbDevice(const FakeUsbDevice&) = delete;
    FakeUsbDevice& operator=(const FakeUsbDevice&) = delete;

    const std::wstring& instanceId() const { return instanceId_; }

  private:
    void remove();

    std::wstring instanceId_;
    std::wstring interfaceId_;  // of a composite device
};

// Removes the fake devices that an earlier run left behind.
void removeLeftoverFakeDevices();

// Tells every top-level window of every process that devices came or went,
// as Windows does; SetupAPI's changes under Wine tell nobody.
void broadcastDeviceChange();

}  // namespace vantrel::fakeusb
