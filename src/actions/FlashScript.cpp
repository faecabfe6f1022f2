#include "actions/FlashScript.h"

#include <algorithm>
#include <array>

#include "actions/BoxTitles.h"
#include "actions/ConsoleCommands.h"
#include "text/AsciiText.h"

namespace vantrel {
namespace {

constexpr std::array<std::u16string_view, 5> kScriptNames{
    u"flash_all.bat", u"flash_all_except_storage.bat", u"flash_all_except_data_storage.bat",
    u"flash_all_except_data.bat", u"flash_all_lock.bat"};
constexpr std::u16string_view kBlanks = u" \t\r";
constexpr std::u16string_view kProductLabel = u"product:";
constexpr std::u16string_view kUnknownProduct = u"未知";

constexpr std::u16string_view kKeepsDataText =
    u"这个脚本保留手机上的数据。\r\n请让手机进入Fastboot模式，并保持数据线连接，直到命令窗口显示刷机完成。\r\n要开始刷机吗？";
constexpr std::u16string_view kErasesDataText =
    u"这个脚本会清除手机上的所有数据（照片、聊天记录、应用等）！想保留数据，请选择flash_all_except_storage.bat。\r\n请让手机进入Fastboot模式，并保持数据线连接，直到命令窗口显示刷机完成。\r\n仍然要刷机吗？";
constexpr std::u16string_view kLocksText =
    u"这个脚本刷完后还会回锁Bootloader。\r\n如果这个线刷包不是这台手机官方的、同一地区的、未经修改的系统，回锁后手机将无法开机（显示“The system has been destroyed”），而且可能再也无法解锁。\r\n确定要回锁吗？";

std::u16string_view fileName(std::u16string_view path) {
    return path.substr(path.rfind(u'\\') + 1);
}

bool hasWord(std::u16string_view line, std::u16string_view word) {
    std::size_t start = line.find_first_not_of(kBlanks);
    while (start != std::u16string_view::npos) {
        const std::size_t end = std::min(line.find_first_of(kBlanks, start), line.size());
        if (line.substr(start, end - start) == word) {
            return true;
        }
        start = line.find_first_not_of(kBlanks, end);
    }
    return false;
}

// The name after "product:" and any blanks and '*' (findstr's " *"), up to a
// quote or a blank; printable ASCII only.
std::u16string productAfter(std::u16string_view line, std::size_t label) {
    std::u16string name;
    for (std::size_t at = line.find_first_not_of(u" \t*", label + kProductLabel.size());
         at < line.size() && line[at] > u' ' && line[at] < 0x7F && line[at] != u'"'; ++at) {
        name += line[at];
    }
    return name;
}

}  // namespace

bool isFlashScriptName(std::u16string_view path) {
    return std::ranges::any_of(kScriptNames, [name = fileName(path)](std::u16string_view script) {
        return equalIgnoringAsciiCase(name, script);
    });
}

std::u16string imagesFolderBeside(std::u16string_view path) {
    return std::u16string(path.substr(0, path.size() - fileName(path).size())) + u"images";
}

bool isPlainAsciiPath(std::u16string_view path) {
    return !path.empty() && std::ranges::all_of(path, [](char16_t c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
               std::u16string_view(u"\\:._-").find(c) != std::u16string_view::npos;
    });
}

FlashScriptEffects flashScriptEffects(std::span<const std::uint8_t> text) {
    FlashScriptEffects effects;
    bool productLineSeen = false;
    for (auto begin = text.begin(); begin != text.end();) {
        const auto end = std::find(begin, text.end(), std::uint8_t{'\n'});
        // Each byte stands for itself: the scripts are ASCII.
        const std::u16string line(begin, end);
        begin = end == text.end() ? end : end + 1;
        std::u16string lower = line;
        std::ranges::transform(lower, lower.begin(), asciiLower);
        if (lower.find(u"fastboot") == std::u16string::npos) {
            continue;
        }
        effects.erasesData =
            effects.erasesData || lower.find(u"userdata") != std::u16string::npos ||
            lower.find(u"metadata") != std::u16string::npos || hasWord(lower, u"-w");
        effects.locks = effects.locks || lower.find(u"oem lock") != std::u16string::npos ||
                        lower.find(u"flashing lock") != std::u16string::npos;
        if (const std::size_t getvar = lower.find(u"getvar product");
            !productLineSeen && getvar != std::u16string::npos) {
            productLineSeen = true;
            if (const std::size_t label = lower.find(kProductLabel, getvar);
                label != std::u16string::npos) {
                effects.product = productAfter(line, label);
            }
        }
    }
    if (effects.product.empty()) {
        effects.product = kUnknownProduct;
    }
    return effects;
}

std::vector<ScriptBox> flashScriptBoxes(std::u16string_view path,
                                        const FlashScriptEffects& effects) {
    const std::u16string heading = u"刷机脚本：" + std::u16string(fileName(path)) +
                                   u"\r\n适用机型：" + effects.product + u"\r\n\r\n";
    if (!effects.erasesData && !effects.locks) {
        return {{heading + std::u16string(kKeepsDataText), BoxKind::Confirmation, kHintTitle}};
    }
    std::vector<ScriptBox> boxes{
        {heading + std::u16string(kErasesDataText), BoxKind::Warning, kWarningTitle}};
    if (effects.locks) {
        boxes.push_back({std::u16string(kLocksText), BoxKind::Warning, kWarningTitle});
    }
    return boxes;
}

std::u16string flashScriptLine(std::u16string_view path, bool workFolderExists) {
    if (!workFolderExists) {
        return u"cmd /d /c " + std::u16string(path);
    }
    return u"cmd /d /c \"cd /d " + std::u16string(kConsoleFolder) + u"&&" + std::u16string(path) +
           u"\"";
}

}  // namespace vantrel
