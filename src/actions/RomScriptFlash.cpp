#include "actions/RomScriptFlash.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "actions/BoxTitles.h"
#include "actions/ConsoleCommands.h"
#include "actions/FlashScript.h"
#include "actions/ImageCheck.h"
#include "actions/TypeLine.h"

namespace vantrel {
namespace {

constexpr std::u16string_view kChooserTitle = u"选择线刷包里的刷机脚本";
constexpr std::array kScriptFilters{FileFilter{u"刷机脚本 (flash_all*.bat)", u"flash_all*.bat"},
                                    FileFilter{u"所有文件 (*.*)", u"*.*"}};

// The script's text when it may run; else an error box says what is wrong
// and what to do.
std::optional<std::vector<std::uint8_t>> scriptText(Session& session, const std::u16string& path) {
    std::optional<std::vector<std::uint8_t>> text;
    std::u16string problem;
    if (!isFlashScriptName(path)) {
        problem = kNotAFlashScriptText;
    } else if (!session.platform.isDirectory(imagesFolderBeside(path))) {
        problem = kNoImagesFolderText;
    } else if (!isPlainAsciiPath(path)) {
        problem = kPathNotPlainText;
    } else if (text = session.platform.readFileStart(path, kFlashScriptMaxBytes + 1); !text) {
        problem = std::u16string(kUnreadablePrefix) + path;
    } else if (text->size() > kFlashScriptMaxBytes) {
        problem = path + std::u16string(kScriptTooLargeText);
    } else {
        return text;
    }
    session.view.messageBox(problem, BoxKind::Failure, kErrorTitle);
    return std::nullopt;
}

}  // namespace

void runRomScriptFlash(Session& session) {
    session.view.setStatusText(u"");
    const std::optional<std::u16string> path =
        session.view.chooseFile({kChooserTitle, kScriptFilters, std::nullopt});
    const std::optional<std::vector<std::uint8_t>> text =
        path ? scriptText(session, *path) : std::nullopt;
    if (!text) {
        return;
    }
    for (const ScriptBox& box : flashScriptBoxes(*path, flashScriptEffects(*text))) {
        if (session.view.messageBox(box.text, box.kind, box.title) != BoxAnswer::Yes) {
            return;
        }
    }
    typeLine(session, flashScriptLine(*path, session.platform.isDirectory(kConsoleFolder)));
}

}  // namespace vantrel
