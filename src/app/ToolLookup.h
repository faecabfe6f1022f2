#pragma once

#include "phones/PhoneStatusText.h"
#include "ports/Platform.h"

namespace vantrel {

// Which of adb.exe and fastboot.exe a console that the program opens would
// not find. Such a console starts in C:\ADB and inherits the program's PATH,
// so a tool counts as found when C:\ADB or a folder of that PATH holds it as
// an ordinary file. PATH's entries are split at ';', may stand in quotes, and
// empty ones are skipped.
MissingTools missingTools(Platform& platform);

}  // namespace vantrel
