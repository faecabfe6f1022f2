#include "driver/KeyInput.h"

#include <stdexcept>
#include <vector>

namespace e2e {
namespace {

// The arrow keys sit in the extended block of the keyboard.
bool isExtendedKey(WORD virtualKey) {
    return virtualKey == VK_LEFT || virtualKey == VK_RIGHT || virtualKey == VK_UP ||
           virtualKey == VK_DOWN;
}

INPUT keyEvent(WORD virtualKey, bool release) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags =
        (release ? KEYEVENTF_KEYUP : 0u) | (isExtendedKey(virtualKey) ? KEYEVENTF_EXTENDEDKEY : 0u);
    return input;
}

}  // namespace

void sendKeyPress(WORD virtualKey, bool shift) {
    std::vector<INPUT> inputs;
    if (shift) {
        inputs.push_back(keyEvent(VK_SHIFT, false));
    }
    inputs.push_back(keyEvent(virtualKey, false));
    inputs.push_back(keyEvent(virtualKey, true));
    if (shift) {
        inputs.push_back(keyEvent(VK_SHIFT, true));
    }
    const auto count = static_cast<UINT>(inputs.size());
    if (SendInput(count, inputs.data(), sizeof(INPUT)) != count) {
        throw std::runtime_error("SendInput did not take the key press");
    }
}

}  // namespace e2e
