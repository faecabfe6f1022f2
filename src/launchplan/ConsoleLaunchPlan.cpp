#include "launchplan/ConsoleLaunchPlan.h"

namespace vantrel {
namespace {

std::u16string quoted(std::u16string_view text) {
    std::u16string result(1, u'"');
    result += text;
    result += u'"';
    return result;
}

std::u16string inFolder(std::u16string_view folder, std::u16string_view name) {
    std::u16string path(folder);
    if (!path.empty() && path.back() != u'\\') {
        path += u'\\';
    }
    path += name;
    return path;
}

}  // namespace

std::u16string nativeSystemFolder(bool underWow64, std::u16string_view systemDirectory,
                                  std::u16string_view windowsDirectory) {
    if (!underWow64) {
        return std::u16string(systemDirectory);
    }
    return windowsDirectory.empty() ? std::u16string() : inFolder(windowsDirectory, u"Sysnative");
}

std::vector<ProcessLaunch> consoleLaunchPlan(const WindowsVersion& version,
                                             std::u16string_view systemFolder) {
    const std::u16string cmd = inFolder(systemFolder, u"cmd.exe");
    std::vector<ProcessLaunch> plan;
    if (version.major >= 10) {
        const std::u16string conhost = inFolder(systemFolder, u"conhost.exe");
        plan.push_back({conhost, quoted(conhost) + u" " + quoted(cmd), false});
    }
    plan.push_back({cmd, quoted(cmd), true});
    return plan;
}

}  // namespace vantrel
