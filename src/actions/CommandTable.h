#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <variant>

#include "actions/ActionKinds.h"
#include "ports/ControlIds.h"
#include "ports/View.h"

namespace vantrel {

// A click on a button or a menu item.
struct ControlTrigger {
    ControlId id;
};

// One test of the Start button: the mode that must be selected and, except in
// install mode, the exact text its list must show.
struct StartTest {
    Mode mode;
    std::optional<List> list;
    std::u16string_view itemText;
};

// One row of the command table: what starts it and what it does.
struct Command {
    std::string_view name;
    std::variant<ControlTrigger, StartTest> trigger;
    Action action;
};

// Every command of the window. The Start button's tests come in the order it
// makes them: the first that holds runs.
std::span<const Command> commandTable();

// The command of a button or menu item; null for a control without one.
const Command* commandForControl(ControlId id);

// What the Start button runs for the window as it is: the first row whose test
// holds (same code units, case significant, nothing trimmed); null when none does.
const Command* commandForStart(const View& view);

}  // namespace vantrel
