#pragma once

#include <string>

#include "ports/Platform.h"
#include "ports/View.h"

namespace vantrel {

// What every command works with: the operating system, the window, and what
// the user chose earlier in this run.
struct Session {
    Session(Platform& platformPort, View& viewPort) : platform(platformPort), view(viewPort) {}

    Platform& platform;
    View& view;
    // The device serial chosen last in this run: the next device prompt's default.
    std::u16string chosenDevice;
};

}  // namespace vantrel
