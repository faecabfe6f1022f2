#pragma once

#include "console/ConsoleTyper.h"
#include "platform/Platform.h"
#include "window/WindowView.h"

namespace vantrel {

// What every handler works with: the operating system, the window's controls
// and the window's typing variables.
struct FormContext {
    Platform& platform;
    WindowView& view;
    ConsoleTyper& typer;
};

}  // namespace vantrel
