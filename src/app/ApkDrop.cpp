#include "app/ApkDrop.h"

#include "text/AsciiText.h"

namespace vantrel {
namespace {

constexpr std::u16string_view kApkSuffix = u".apk";
// A blank splits the argument; the others are cmd's operators and escapes.
constexpr std::u16string_view kCharactersThatNeedQuotes = u" &|<>^(),;=";

bool endsWithApk(std::u16string_view path) {
    return path.size() > kApkSuffix.size() && endsWithIgnoringAsciiCase(path, kApkSuffix);
}

std::u16string asOneArgument(const std::u16string& path) {
    if (path.find_first_of(kCharactersThatNeedQuotes) == std::u16string::npos) {
        return path;
    }
    return u"\"" + path + u"\"";
}

}  // namespace

std::optional<std::u16string> droppedApkArgument(std::span<const std::u16string> paths,
                                                 Platform& platform) {
    if (paths.size() != 1 || !endsWithApk(paths.front()) || platform.isDirectory(paths.front())) {
        return std::nullopt;
    }
    return asOneArgument(paths.front());
}

}  // namespace vantrel
