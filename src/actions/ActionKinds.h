#pragma once

#include <string_view>
#include <variant>

#include "actions/ImageCheck.h"

namespace vantrel {

// Clear Text1 and type a constant line.
struct FixedLine {
    std::u16string_view line;
};

// Clear Text1, warn of what the line cannot undo, and type it only on Yes.
struct WarnedLine {
    std::u16string_view warning;
    std::u16string_view line;
};

// Clear Text1, type a constant line and, once it was typed, show a status line.
struct LineThenStatus {
    std::u16string_view line;
    std::u16string_view status;
};

// Clear Text1, ask one value and type prefix + answer. An empty answer
// (Cancel) types nothing, or the prefix alone where that is wanted.
struct PromptedLine {
    std::u16string_view prompt;
    std::u16string_view defaultAnswer;
    std::u16string_view prefix;
    bool typePrefixWhenCancelled = false;
};

// Clear Text1, ask for confirmation, then send a file: the one in the work
// folder or, when that is not there, one the user chooses in an Open dialog
// of that title. The line is the prefix and the file's path as one argument.
// A file whose start is not what the line sends is typed only when the user
// insists; without a file, one error box.
struct GuardedFileAction {
    std::u16string_view instruction;
    std::u16string_view file;
    std::u16string_view linePrefix;
    std::u16string_view error;
    ExpectedImage expected;
    std::u16string_view chooserTitle;
};

// Clear Text1, choose a boot image in an Open dialog of that title, and
// start the phone from it once: prefix and the image's path as one argument.
struct TemporaryBoot {
    std::u16string_view chooserTitle;
    std::u16string_view linePrefix;
};

// 线刷: run the flash script of a vendor's fastboot ROM that the user chooses.
struct RomScriptFlash {};

// Copy a phone partition to a file on the phone with dd: a line composed of two answers.
struct FirmwareExtraction {};

// Set the phone's clock from the PC's local time.
struct ClockSync {};

// Push or pull: ask the source and the destination, type prefix, source, blank,
// destination, then show that the transfer runs.
struct Transfer {
    std::u16string_view prefix;
    std::u16string_view sourcePrompt;
    std::u16string_view sourceDefault;
    std::u16string_view destinationPrompt;
    std::u16string_view destinationDefault;
};

// Install the APK whose path stands in Text1.
struct ApkInstall {};

// Open a new console window.
struct OpenConsole {};
// Turn the auto-start marker on or off.
struct AutoStartOn {};
struct AutoStartOff {};

// Address one device with ANDROID_SERIAL, forget it again, or pair one over Wi-Fi.
struct ChooseDevice {};
struct ClearDevice {};
struct PairWirelessly {};

using Action =
    std::variant<FixedLine, WarnedLine, LineThenStatus, PromptedLine, GuardedFileAction,
                 TemporaryBoot, RomScriptFlash, FirmwareExtraction, ClockSync, Transfer, ApkInstall,
                 OpenConsole, AutoStartOn, AutoStartOff, ChooseDevice, ClearDevice, PairWirelessly>;

inline constexpr std::u16string_view kTransferStatus = u"传输中勿关黑窗口。";
// 刷入Init_boot's line, which 刷入Boot types too for an image without a kernel.
inline constexpr std::u16string_view kInitBootLinePrefix = u"fastboot flash init_boot ";

}  // namespace vantrel
