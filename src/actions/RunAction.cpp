#include "actions/RunAction.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "actions/ApkFile.h"
#include "actions/BoxTitles.h"
#include "actions/ComposedLines.h"
#include "actions/ConsoleCommands.h"
#include "actions/DeviceCommands.h"
#include "actions/PathArgument.h"
#include "actions/TypeLine.h"

namespace vantrel {
namespace {

constexpr std::u16string_view kPartitionPrompt =
    u"需要设备获取root权限，并授权ADBroot权限，请输入手机上固件分区的位置，请用root权限，并用shell到/fstab文件里面查询里面查询，最后路径如果要提取recovery分区，请填recovery，如果要提取boot分区，请填boot，如果要提取system分区，请填system，以此类推。";
constexpr std::u16string_view kPartitionDefault = u"/dev/block/platform/sdio_emmc/by-name/recovery";
constexpr std::u16string_view kTargetPrompt =
    u"请输入要保存在手机上的文件路径，默认/sdcard目录下，如果你提取的是recovery分区，则最后文件名称为recovery.img，如果你提取的是boot分区，则最后文件名称为boot.img，如果你提取的是system分区，则最后文件名称为system.img，以此类推。";
constexpr std::u16string_view kTargetDefault = u"/sdcard/recovery.img";
constexpr std::u16string_view kInstallPrefix = u"adb install ";
constexpr std::u16string_view kInitBootLinePrefix = u"fastboot flash init_boot ";

void clearStatus(Session& session) {
    session.view.setStatusText(u"");
}

std::u16string ask(Session& session, std::u16string_view prompt, std::u16string_view defaultText) {
    return session.view.inputPrompt(prompt, kPromptTitle, defaultText);
}

template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};

void runFixedLine(Session& session, const FixedLine& action) {
    clearStatus(session);
    typeLine(session, action.line);
}

void runLineThenStatus(Session& session, const LineThenStatus& action) {
    clearStatus(session);
    typeLineThenShow(session, action.line, action.status);
}

void runPromptedLine(Session& session, const PromptedLine& action) {
    clearStatus(session);
    const std::u16string answer = ask(session, action.prompt, action.defaultAnswer);
    if (answer.empty() && !action.typePrefixWhenCancelled) {
        return;
    }
    typeLine(session, std::u16string(action.prefix) + answer);
}

constexpr std::array kImageFilters{FileFilter{u"镜像文件 (*.img)", u"*.img"},
                                   FileFilter{u"所有文件 (*.*)", u"*.*"}};
constexpr std::array kPackageFilters{FileFilter{u"刷机包 (*.zip)", u"*.zip"},
                                     FileFilter{u"所有文件 (*.*)", u"*.*"}};
constexpr std::array kApkFilters{FileFilter{u"APK文件 (*.apk)", u"*.apk"},
                                 FileFilter{u"所有文件 (*.*)", u"*.*"}};
constexpr std::u16string_view kApkChooserTitle = u"选择要安装的APK";
constexpr std::u16string_view kChooseOneApkStatus = u"请选择一个.apk文件";

// The work folder's file, or one the user chooses instead; nothing when the
// user chose none or one that cmd cannot take, which is then said.
std::optional<std::u16string> fileToSend(Session& session, const GuardedFileAction& action) {
    if (session.platform.entryKind(action.file) == EntryKind::OrdinaryFile) {
        return std::u16string(action.file);
    }
    const bool package = action.expected == ExpectedImage::FlashPackage;
    const FileChoice choice{
        action.chooserTitle, package ? std::span<const FileFilter>(kPackageFilters) : kImageFilters,
        session.platform.isDirectory(kConsoleFolder) ? std::optional(kConsoleFolder)
                                                     : std::nullopt};
    std::optional<std::u16string> chosen = session.view.chooseFile(choice);
    if (!chosen) {
        session.view.messageBox(action.error, BoxKind::Error, kErrorTitle);
        return std::nullopt;
    }
    if (quotesCannotHold(*chosen)) {
        session.view.messageBox(kRenameChosenFileText, BoxKind::Failure, kErrorTitle);
        return std::nullopt;
    }
    return chosen;
}

// Yes sends the file all the same; the default button is No.
bool insistedOn(Session& session, const std::u16string& warning) {
    return session.view.messageBox(warning, BoxKind::Warning, kWarningTitle) == BoxAnswer::Yes;
}

void runGuardedFileAction(Session& session, const GuardedFileAction& action) {
    clearStatus(session);
    if (session.view.messageBox(action.instruction, BoxKind::Confirmation, kHintTitle) !=
        BoxAnswer::Yes) {
        session.view.messageBox(action.error, BoxKind::Error, kErrorTitle);
        return;
    }
    const std::optional<std::u16string> path = fileToSend(session, action);
    if (!path) {
        return;
    }
    // A download named boot.img may be a zip or another partition's image:
    // flashed as it is, it leaves a phone that no longer starts.
    const std::optional<std::vector<std::uint8_t>> fileStart =
        session.platform.readFileStart(*path, kImageCheckBytes);
    if (!fileStart) {
        session.view.messageBox(std::u16string(kUnreadablePrefix) + *path, BoxKind::Failure,
                                kErrorTitle);
        return;
    }
    if (const std::optional<std::u16string> warning =
            imageWarning(action.expected, *fileStart, *path);
        warning && !insistedOn(session, *warning)) {
        return;
    }
    if (action.expected == ExpectedImage::BootImage && isInitBootImage(*fileStart)) {
        if (insistedOn(session, initBootQuestion(*path))) {
            typeLine(session, std::u16string(kInitBootLinePrefix) + asOneArgument(*path));
        }
        return;
    }
    typeLine(session, std::u16string(action.linePrefix) + asOneArgument(*path));
}

void runFirmwareExtraction(Session& session) {
    clearStatus(session);
    // Both boxes are always shown, also after Cancel on the first.
    const std::u16string partition = ask(session, kPartitionPrompt, kPartitionDefault);
    const std::u16string target = ask(session, kTargetPrompt, kTargetDefault);
    if (partition.empty() || target.empty()) {
        return;
    }
    typeLine(session, firmwareExtractionLine(partition, target));
}

void runClockSync(Session& session) {
    const std::u16string line = clockSyncLine(session.platform.localTime());
    clearStatus(session);
    typeLine(session, line);
}

void runTransfer(Session& session, const Transfer& action) {
    clearStatus(session);
    // Both boxes are always shown, also after Cancel on the first.
    const std::u16string source = ask(session, action.sourcePrompt, action.sourceDefault);
    const std::u16string destination =
        ask(session, action.destinationPrompt, action.destinationDefault);
    if (source.empty() || destination.empty()) {
        return;
    }
    typeLineThenShow(session, std::u16string(action.prefix) + source + u" " + destination,
                     kTransferStatus);
}

bool isBlank(std::u16string_view text) {
    return text.find_first_not_of(u" \t\u3000") == std::u16string_view::npos;
}

// With no path in Text1, the user chooses the APK, which must pass the rules
// of a drop; Text1 then shows its path as the line will carry it. False when
// nothing is to be installed.
bool apkChosen(Session& session) {
    const std::optional<std::u16string> chosen =
        session.view.chooseFile({kApkChooserTitle, kApkFilters, std::nullopt});
    if (!chosen) {
        return false;
    }
    switch (checkApkFiles(std::span(&*chosen, 1), session.platform)) {
        case ApkCheck::Taken:
            session.view.setStatusText(asOneArgument(*chosen));
            return true;
        case ApkCheck::NeedsRenaming:
            session.view.setStatusText(std::u16string(kRenameChosenFileText));
            return false;
        case ApkCheck::NotOneApkFile:
            break;
    }
    session.view.setStatusText(std::u16string(kChooseOneApkStatus));
    return false;
}

void runApkInstall(Session& session) {
    if (isBlank(session.view.statusText()) && !apkChosen(session)) {
        return;
    }
    // Text1 holds the user's path here: it is read, never cleared or overwritten,
    // so a failure is told in a box of its own.
    typeLine(session, std::u16string(kInstallPrefix) + session.view.statusText(),
             FailureNotice::InMessageBox);
}

}  // namespace

void runAction(Session& session, const Action& action) {
    std::visit(Overloaded{
                   [&](const FixedLine& a) { runFixedLine(session, a); },
                   [&](const LineThenStatus& a) { runLineThenStatus(session, a); },
                   [&](const PromptedLine& a) { runPromptedLine(session, a); },
                   [&](const GuardedFileAction& a) { runGuardedFileAction(session, a); },
                   [&](const FirmwareExtraction&) { runFirmwareExtraction(session); },
                   [&](const ClockSync&) { runClockSync(session); },
                   [&](const Transfer& a) { runTransfer(session, a); },
                   [&](const ApkInstall&) { runApkInstall(session); },
                   [&](const OpenConsole&) { openConsole(session); },
                   [&](const AutoStartOn&) { turnAutoStartOn(session); },
                   [&](const AutoStartOff&) { turnAutoStartOff(session); },
                   [&](const ChooseDevice&) { chooseDevice(session); },
                   [&](const ClearDevice&) { clearDevice(session); },
                   [&](const PairWirelessly&) { pairWirelessly(session); },
               },
               action);
}

}  // namespace vantrel
