#include "win32/platform/UsbDeviceList.h"

#include <windows.h>
// After windows.h, which it needs.
#include <regstr.h>

#include <string>

#include "phones/AttachedPhones.h"
#include "phones/PhoneCount.h"
#include "win32/common/AndroidUsbInterface.h"
#include "win32/common/WideText.h"
#include "win32/platform/DeviceProperties.h"
#include "win32/platform/SetupApi.h"
#include "win32/platform/UsbHub.h"

namespace vantrel::win32 {
namespace {

SP_DEVINFO_DATA emptyDeviceData() {
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    return device;
}

// Every signal of a missing or broken driver that Windows gives; the core
// weighs them. Under Wine only the registry-kept ones carry news.
void readDriverState(DeviceOfSet& device, UsbDeviceNode& node) {
    if (const auto status = device.nodeStatus(); status && (status->flags & DN_HAS_PROBLEM) != 0) {
        node.reportsProblem = true;
        node.problemCode = status->problem;
    }
    if (const auto code = device.numberProperty(kProblemCodeKey); code && *code != 0) {
        node.problemCode = *code;
    }
    if (const auto flags = device.number(SPDRP_CONFIGFLAGS);
        flags && (*flags & CONFIGFLAG_FAILEDINSTALL) != 0) {
        node.reportsProblem = true;
    }
    const auto driver = device.strings(SPDRP_DRIVER);
    node.hasDriverKey = driver && !driver->empty();
}

UsbDeviceNode describe(DeviceOfSet& device, std::u16string instanceId) {
    UsbDeviceNode node;
    node.instanceId = std::move(instanceId);
    node.hasAndroidInterface = device.hasActiveInterface(kAndroidUsbInterfaceGuid);
    for (const DWORD property : {SPDRP_HARDWAREID, SPDRP_COMPATIBLEIDS}) {
        if (auto ids = device.strings(property)) {
            node.ids.insert(node.ids.end(), std::make_move_iterator(ids->begin()),
                            std::make_move_iterator(ids->end()));
        }
    }
    readDriverState(device, node);
    return node;
}

// Adds the device of that instance ID to the set; nothing when there is none.
// An empty ID would name the root of the device tree.
std::optional<SP_DEVINFO_DATA> openDevice(const SetupApi& api, HDEVINFO set,
                                          std::u16string_view instanceId) {
    SP_DEVINFO_DATA device = emptyDeviceData();
    if (instanceId.empty() ||
        !api.openDeviceInfo(set, wide(instanceId).c_str(), nullptr, 0, &device)) {
        return std::nullopt;
    }
    return device;
}

// The phone's USB device: the node itself, or the composite device whose
// interface it is. Its hub is its parent, and its port its address.
UsbDeviceFacts usbDeviceOf(const SetupApi& api, HDEVINFO set, const std::u16string& nodeId) {
    UsbDeviceFacts facts{nodeId, std::nullopt, {}};
    std::optional<SP_DEVINFO_DATA> node = openDevice(api, set, nodeId);
    if (node && isCompositeInterface(nodeId)) {
        facts.instanceId = DeviceOfSet(api, set, *node).textProperty(kParentKey).value_or(u"");
        node = openDevice(api, set, facts.instanceId);
    }
    if (!node) {
        return {};
    }
    DeviceOfSet device(api, set, *node);
    facts.product = device.textProperty(kBusReportedDeviceDescKey);
    const std::optional<std::u16string> hub = device.textProperty(kParentKey);
    const std::optional<std::uint32_t> port = device.numberProperty(kAddressKey);
    if (hub && port) {
        facts.serialDescriptor = serialDescriptorFromHub(api, *hub, *port);
    }
    return facts;
}

}  // namespace

UsbDeviceQuery::UsbDeviceQuery() {
    if (std::optional<SetupApi> loaded = loadSetupApi()) {
        api_ = std::make_unique<const SetupApi>(std::move(*loaded));
    }
}

UsbDeviceQuery::~UsbDeviceQuery() = default;

std::optional<std::vector<UsbDeviceNode>> UsbDeviceQuery::list() const {
    if (!api_) {
        return std::nullopt;
    }
    const SetupApi& api = *api_;
    // One set holds the USB enumerator's nodes and then the devices of the
    // present Android interfaces, which SetupAPI adds to the nodes already
    // there: cheaper than a second set.
    const UniqueDeviceInfoSet set =
        classDevices(api, nullptr, L"USB", DIGCF_ALLCLASSES | DIGCF_PRESENT);
    if (!set || !addClassDevices(api, set.get(), &kAndroidUsbInterfaceGuid,
                                 DIGCF_PRESENT | DIGCF_DEVICEINTERFACE)) {
        return std::nullopt;
    }
    std::vector<UsbDeviceNode> nodes;
    SP_DEVINFO_DATA data = emptyDeviceData();
    for (DWORD index = 0; api.enumDeviceInfo(set.get(), index, &data); ++index) {
        DeviceOfSet device(api, set.get(), data);
        if (std::optional<std::u16string> instanceId = device.instanceId()) {
            nodes.push_back(describe(device, std::move(*instanceId)));
        }
    }
    return nodes;
}

std::optional<std::vector<AttachedPhone>> UsbDeviceQuery::phones() const {
    const std::optional<std::vector<UsbDeviceNode>> listed = list();
    if (!listed) {
        return std::nullopt;
    }
    const std::vector<PhoneNode> nodes = phoneNodes(*listed);
    // One set for the run holds every device opened by its ID; a set that
    // could not be made opens none.
    const UniqueDeviceInfoSet set = emptyDeviceSet(*api_);
    std::vector<AttachedPhone> phones;
    for (const PhoneNode& node : nodes) {
        addInOrder(phones, attachedPhone(node, usbDeviceOf(*api_, set.get(), node.instanceId)));
    }
    return phones;
}

}  // namespace vantrel::win32
