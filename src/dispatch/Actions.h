#pragma once

#include <string_view>
#include <variant>

#include "window/FormContext.h"

namespace vantrel {

// Clear Text1 and type a constant line.
struct FixedLine {
    std::u16string_view line;
};

// Clear Text1, ask one value; an empty answer stops, otherwise prefix + answer is typed.
struct PromptedLine {
    std::u16string_view prompt;
    std::u16string_view defaultAnswer;
    std::u16string_view prefix;
};

// Clear Text1, ask for confirmation, test a work-folder file, then type or show one error box.
struct GuardedFileAction {
    std::u16string_view instruction;
    std::u16string_view file;
    std::u16string_view line;
    std::u16string_view error;
};

// Copy a phone partition to a file on the phone with dd.
struct FirmwareExtraction {};

// Set the phone's clock from the PC's local time.
struct ClockSync {};

// Push or pull: ask the source and the destination, type prefix, source, blank, destination.
struct Transfer {
    std::u16string_view prefix;
    std::u16string_view sourcePrompt;
    std::u16string_view sourceDefault;
    std::u16string_view destinationPrompt;
    std::u16string_view destinationDefault;
};

// Install the APK whose path stands in Text1.
struct ApkInstall {};

using Action = std::variant<FixedLine, PromptedLine, GuardedFileAction, FirmwareExtraction,
                            ClockSync, Transfer, ApkInstall>;

inline constexpr std::u16string_view kPromptTitle = u"提醒";
inline constexpr std::u16string_view kConfirmTitle = u"提示";
inline constexpr std::u16string_view kErrorTitle = u"错误提示";
inline constexpr std::u16string_view kTransferStatus = u"传输中勿关黑窗口。";

void runAction(FormContext& form, const Action& action);

// Clear Text1, then type the line; the menus use it for their fixed items too.
void runFixedLine(FormContext& form, std::u16string_view line);

}  // namespace vantrel
