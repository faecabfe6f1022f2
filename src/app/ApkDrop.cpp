#include "app/ApkDrop.h"

#include "actions/ApkFile.h"
#include "actions/PathArgument.h"

namespace vantrel {

DropOutcome dropOutcome(std::span<const std::u16string> paths, Platform& platform) {
    switch (checkApkFiles(paths, platform)) {
        case ApkCheck::Taken:
            return {true, asOneArgument(paths.front())};
        case ApkCheck::NeedsRenaming:
            return {false, std::u16string(kRenameDroppedApkStatus)};
        case ApkCheck::NotOneApkFile:
            break;
    }
    return {false, std::u16string(kDropOneApkStatus)};
}

}  // namespace vantrel
