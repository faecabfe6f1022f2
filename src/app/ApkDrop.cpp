#include "app/ApkDrop.h"

#include "text/AsciiText.h"

namespace vantrel {
namespace {

constexpr std::u16string_view kApkSuffix = u".apk";
// A blank splits the argument; the others are cmd's operators and escapes.
constexpr std::u16string_view kCharactersThatNeedQuotes = u" &|<>^(),;=";
// What the quotes cannot keep from cmd.
constexpr std::u16string_view kCharactersQuotesCannotHold = u"\"%";

bool endsWithApk(std::u16string_view path) {
    return path.size() > kApkSuffix.size() && endsWithIgnoringAsciiCase(path, kApkSuffix);
}

bool isOneApkFile(std::span<const std::u16string> paths, Platform& platform) {
    return paths.size() == 1 && endsWithApk(paths.front()) &&
           platform.entryKind(paths.front()) == EntryKind::OrdinaryFile;
}

std::u16string asOneArgument(const std::u16string& path) {
    if (path.find_first_of(kCharactersThatNeedQuotes) == std::u16string::npos) {
        return path;
    }
    return u"\"" + path + u"\"";
}

}  // namespace

DropOutcome dropOutcome(std::span<const std::u16string> paths, Platform& platform) {
    if (!isOneApkFile(paths, platform)) {
        return {false, std::u16string(kDropOneApkStatus)};
    }
    if (paths.front().find_first_of(kCharactersQuotesCannotHold) != std::u16string::npos) {
        return {false, std::u16string(kRenameDroppedApkStatus)};
    }
    return {true, asOneArgument(paths.front())};
}

}  // namespace vantrel
