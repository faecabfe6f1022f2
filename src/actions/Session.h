#pragma once

#include <string>
#include <vector>

#include "ports/AttachedPhone.h"
#include "ports/Platform.h"
#include "ports/View.h"

namespace vantrel {

// What every command works with: the operating system, the window, and what
// the user chose earlier in this run.
struct Session {
    Session(Platform& platformPort, View& viewPort) : platform(platformPort), view(viewPort) {}

    Platform& platform;
    View& view;
    // The device serial chosen now, if any: the next device prompt's default.
    std::u16string chosenDevice;
    // The phones that the last finished look at the PC found, in their order.
    std::vector<AttachedPhone> attachedPhones;
};

}  // namespace vantrel
