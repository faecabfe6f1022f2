#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "dispatch/Actions.h"
#include "window/WindowView.h"

namespace vantrel {

// One test of the Start button: the mode that must be selected and, except in
// install mode, the exact text its list must show.
struct DispatchEntry {
    Mode mode;
    std::optional<List> list;
    std::u16string_view itemText;
    Action action;
};

// The Start button's tests, in the order it makes them; the first match runs.
std::span<const DispatchEntry> dispatchOrder();

}  // namespace vantrel
