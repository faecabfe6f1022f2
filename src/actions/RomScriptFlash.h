#pragma once

#include "actions/Session.h"

namespace vantrel {

// "线刷": a flash script chosen in an Open dialog, checked, read, confirmed
// as its text tells, then run in a child cmd of the console.
void runRomScriptFlash(Session& session);

}  // namespace vantrel
