#pragma once

#include <span>
#include <string>
#include <string_view>

#include "ports/Platform.h"

namespace vantrel {

// What a drop does to the window: Text1's new text, and whether install mode
// is selected first.
struct DropOutcome {
    bool selectsInstallMode = false;
    std::u16string text1;
};

// Taken is exactly one existing ordinary file whose name ends in ".apk" (any
// case) and holds no '"' and no '%': its full path, in double quotes when cmd
// would otherwise split it or read part of it as an operator. A quote would
// end those quotes and cmd expands %NAME% inside them, so such a name is
// refused with its own text; anything else only says what to drop.
DropOutcome dropOutcome(std::span<const std::u16string> paths, Platform& platform);

}  // namespace vantrel
