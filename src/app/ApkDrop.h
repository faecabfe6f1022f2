#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "ports/Platform.h"

namespace vantrel {

inline constexpr std::u16string_view kDropOneApkStatus = u"请拖入一个.apk文件";

// The text for Text1 when the user dropped exactly one file ending in ".apk"
// (any case): its full path, in double quotes when cmd would otherwise split
// it or read part of it as an operator. Nothing for anything else: several
// files, a folder, another type.
std::optional<std::u16string> droppedApkArgument(std::span<const std::u16string> paths,
                                                 Platform& platform);

}  // namespace vantrel
