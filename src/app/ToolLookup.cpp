#include "app/ToolLookup.h"

#include <string>
#include <string_view>
#include <vector>

#include "actions/ConsoleCommands.h"

namespace vantrel {
namespace {

std::u16string_view withoutSurroundingQuotes(std::u16string_view entry) {
    if (entry.size() >= 2 && entry.front() == u'"' && entry.back() == u'"') {
        return entry.substr(1, entry.size() - 2);
    }
    return entry;
}

// The folders a console looks in for a command, in its order.
std::vector<std::u16string> searchFolders(Platform& platform) {
    std::vector<std::u16string> folders{std::u16string(kConsoleFolder)};
    const std::u16string path = platform.environmentVariable(u"PATH").value_or(u"");
    std::u16string_view rest = path;
    while (!rest.empty()) {
        const std::size_t end = rest.find(u';');
        const std::u16string_view folder = withoutSurroundingQuotes(rest.substr(0, end));
        if (!folder.empty()) {
            folders.emplace_back(folder);
        }
        rest = end == std::u16string_view::npos ? std::u16string_view{} : rest.substr(end + 1);
    }
    return folders;
}

bool foundIn(Platform& platform, const std::vector<std::u16string>& folders,
             std::u16string_view file) {
    for (const std::u16string& folder : folders) {
        const bool separated = folder.ends_with(u'\\') || folder.ends_with(u'/');
        const std::u16string candidate = folder + (separated ? u"" : u"\\") + std::u16string(file);
        if (platform.entryKind(candidate) == EntryKind::OrdinaryFile) {
            return true;
        }
    }
    return false;
}

}  // namespace

MissingTools missingTools(Platform& platform) {
    const std::vector<std::u16string> folders = searchFolders(platform);
    return {!foundIn(platform, folders, u"adb.exe"), !foundIn(platform, folders, u"fastboot.exe")};
}

}  // namespace vantrel
