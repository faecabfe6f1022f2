#pragma once

#include <span>
#include <string>

#include "ports/Platform.h"

namespace vantrel {

// What the install line can take of the files the user dropped or chose.
enum class ApkCheck {
    Taken,          // exactly one existing ordinary file whose name ends in ".apk" (any case)
    NotOneApkFile,  // anything else
    NeedsRenaming,  // one such file, but its name holds a '"' or a '%'
};

ApkCheck checkApkFiles(std::span<const std::u16string> paths, Platform& platform);

}  // namespace vantrel
