#include "win32/platform/UsbHub.h"

// After windows.h, which they need.
#include <winioctl.h>
// After winioctl.h, which it needs.
#include <usbioctl.h>

#include <string>

#include "win32/common/AndroidUsbInterface.h"
#include "win32/common/UniqueHandles.h"
#include "win32/common/WideText.h"
#include "win32/platform/DeviceProperties.h"

namespace vantrel::win32 {
namespace {

// GUID_DEVINTERFACE_USB_HUB, without initguid.h.
constexpr GUID kUsbHubInterface = guid_text::guidFrom(u"{F18A0E88-C30C-11D0-8815-00A0C906BED8}");

constexpr UCHAR kGetDescriptor = 6;
constexpr UCHAR kDeviceToHost = 0x80;
constexpr USHORT kStringDescriptorType = 3;
constexpr USHORT kUsEnglish = 0x0409;
constexpr USHORT kLongestDescriptor = 255;

// A request's structure, then room for the variable part that its zero-size
// array stands for.
template <class Header, std::size_t kRoom>
struct RequestBuffer {
    alignas(Header) BYTE bytes[sizeof(Header) + kRoom] = {};

    Header& header() { return *reinterpret_cast<Header*>(bytes); }
    const BYTE* room() const { return bytes + sizeof(Header); }
};

// Room for the pipes of a device in use: a hub may refuse a buffer that
// cannot hold them. And room for the longest descriptor.
using ConnectionBuffer =
    RequestBuffer<USB_NODE_CONNECTION_INFORMATION_EX, 30 * sizeof(USB_PIPE_INFO)>;
using DescriptorBuffer = RequestBuffer<USB_DESCRIPTOR_REQUEST, kLongestDescriptor>;

// The hub's first interface, opened for its requests; nothing when it has none.
UniqueHandle openHub(const SetupApi& api, std::u16string_view hubInstanceId) {
    const UniqueDeviceInfoSet set = classDevices(
        api, &kUsbHubInterface, wide(hubInstanceId).c_str(), DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    SP_DEVICE_INTERFACE_DATA interfaceData{};
    interfaceData.cbSize = sizeof interfaceData;
    if (!set ||
        !api.enumDeviceInterfaces(set.get(), nullptr, &kUsbHubInterface, 0, &interfaceData)) {
        return nullptr;
    }
    const std::wstring path = interfacePath(api, set.get(), interfaceData);
    if (path.empty()) {
        return nullptr;
    }
    const HANDLE hub = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, 0, nullptr);
    return UniqueHandle(hub == INVALID_HANDLE_VALUE ? nullptr : hub);
}

// The bytes that the hub returned into the buffer; 0 when it failed.
DWORD ask(HANDLE hub, DWORD request, BYTE* buffer, DWORD size) {
    DWORD returned = 0;
    return DeviceIoControl(hub, request, buffer, size, buffer, size, &returned, nullptr) ? returned
                                                                                         : 0;
}

}  // namespace

std::vector<std::uint8_t> serialDescriptorFromHub(const SetupApi& api,
                                                  std::u16string_view hubInstanceId, ULONG port) {
    const UniqueHandle hub = openHub(api, hubInstanceId);
    if (!hub) {
        return {};
    }
    ConnectionBuffer connection;
    connection.header().ConnectionIndex = port;
    const USB_DEVICE_DESCRIPTOR& device = connection.header().DeviceDescriptor;
    if (ask(hub.get(), IOCTL_USB_GET_NODE_CONNECTION_INFORMATION_EX, connection.bytes,
            sizeof connection.bytes) < sizeof(USB_NODE_CONNECTION_INFORMATION_EX) ||
        connection.header().ConnectionStatus != DeviceConnected || device.iSerialNumber == 0) {
        return {};
    }
    DescriptorBuffer request;
    request.header().ConnectionIndex = port;
    auto& setup = request.header().SetupPacket;
    setup.bmRequest = kDeviceToHost;
    setup.bRequest = kGetDescriptor;
    setup.wValue = static_cast<USHORT>(kStringDescriptorType << 8 | device.iSerialNumber);
    setup.wIndex = kUsEnglish;
    setup.wLength = kLongestDescriptor;
    const DWORD returned = ask(hub.get(), IOCTL_USB_GET_DESCRIPTOR_FROM_NODE_CONNECTION,
                               request.bytes, sizeof request.bytes);
    if (returned <= sizeof(USB_DESCRIPTOR_REQUEST) || returned > sizeof request.bytes) {
        return {};
    }
    return {request.room(), request.room() + (returned - sizeof(USB_DESCRIPTOR_REQUEST))};
}

}  // namespace vantrel::win32
