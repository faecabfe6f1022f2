#pragma once

#include "window/FormContext.h"

namespace vantrel {

// Command2 ("开始"): runs the first entry of the dispatch order that matches
// the selected mode and its list's text; nothing at all when none matches.
void Command2_Click(FormContext& form);

}  // namespace vantrel
