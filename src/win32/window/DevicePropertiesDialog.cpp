#include "win32/window/DevicePropertiesDialog.h"

#include <string>

#include "win32/common/SystemFunction.h"
#include "win32/common/SystemLibrary.h"
#include "win32/common/WideText.h"

namespace vantrel::win32 {
namespace {

// rundll32's entry point, which takes its arguments as one command line.
using DevicePropertiesFunction = void WINAPI(HWND, HINSTANCE, LPCWSTR, int);

}  // namespace

bool DevicePropertiesDialog::show(HWND owner, std::u16string_view instanceId) {
    if (!devmgr_) {
        devmgr_ = loadSystemLibrary(L"devmgr.dll");
    }
    const auto showProperties =
        moduleFunction<DevicePropertiesFunction>(devmgr_.get(), "DeviceProperties_RunDLLW");
    if (showProperties == nullptr) {
        return false;
    }
    const std::wstring commandLine = L"/DeviceID \"" + wide(instanceId) + L"\"";
    showProperties(owner, reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE)),
                   commandLine.c_str(), SW_SHOWNORMAL);
    return true;
}

}  // namespace vantrel::win32
