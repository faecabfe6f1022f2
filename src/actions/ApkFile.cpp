#include "actions/ApkFile.h"

#include <initializer_list>

#include "actions/PathArgument.h"
#include "text/AsciiText.h"

namespace vantrel {
namespace {

constexpr std::u16string_view kApkSuffix = u".apk";

bool endsWithApk(std::u16string_view path) {
    return path.size() > kApkSuffix.size() && endsWithIgnoringAsciiCase(path, kApkSuffix);
}

}  // namespace

bool isApkNotice(std::u16string_view text1) {
    for (const std::u16string_view notice :
         {kDropOneApkStatus, kRenameDroppedApkStatus, kChooseOneApkStatus, kRenameChosenFileText}) {
        if (text1 == notice) {
            return true;
        }
    }
    return false;
}

ApkCheck checkApkFiles(std::span<const std::u16string> paths, Platform& platform) {
    if (paths.size() != 1 || !endsWithApk(paths.front()) ||
        platform.entryKind(paths.front()) != EntryKind::OrdinaryFile) {
        return ApkCheck::NotOneApkFile;
    }
    return quotesCannotHold(paths.front()) ? ApkCheck::NeedsRenaming : ApkCheck::Taken;
}

}  // namespace vantrel
