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

// What Text1 shows instead of a path when a dropped or chosen file is no APK
// that the install line can take.
inline constexpr std::u16string_view kDropOneApkStatus = u"请拖入一个.apk文件";
inline constexpr std::u16string_view kRenameDroppedApkStatus = u"文件名含有%或引号，请改名后再拖入";
inline constexpr std::u16string_view kChooseOneApkStatus = u"请选择一个.apk文件";

// Whether Text1 holds exactly one of those notices, which is no path to install.
bool isApkNotice(std::u16string_view text1);

}  // namespace vantrel
