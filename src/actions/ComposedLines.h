#pragma once

#include <string>
#include <string_view>

#include "ports/Platform.h"

namespace vantrel {

// adb shell "su -c 'dd if=<partition> of=<target>'"
std::u16string firmwareExtractionLine(std::u16string_view partition, std::u16string_view target);

// adb shell "su -c 'date MMDDhhmmYYYY.ss set'" from one reading of the clock.
std::u16string clockSyncLine(const LocalTime& time);

}  // namespace vantrel
