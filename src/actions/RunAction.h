#pragma once

#include "actions/ActionKinds.h"
#include "actions/Session.h"

namespace vantrel {

// Runs one action to its end: its dialogs, its line, its status.
void runAction(Session& session, const Action& action);

}  // namespace vantrel
