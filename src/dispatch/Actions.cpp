#include "dispatch/Actions.h"

#include <string>

#include "console/TypeLine.h"
#include "dispatch/ComposedLines.h"

namespace vantrel {
namespace {

constexpr std::u16string_view kPartitionPrompt =
    u"需要设备获取root权限，并授权ADBroot权限，请输入手机上固件分区的位置，请用root权限，并用shell"
    u"到/"
    u"fstab文件里面查询里面查询，最后路径如果要提取recovery分区，请填recovery，如果要提取boot分区，"
    u"请填"
    u"boot，如果要提取system分区，请填system，以此类推。";
constexpr std::u16string_view kPartitionDefault = u"/dev/block/platform/sdio_emmc/by-name/recovery";
constexpr std::u16string_view kTargetPrompt =
    u"请输入要保存在手机上的文件路径，默认/"
    u"sdcard目录下，如果你提取的是recovery分区，则最后文件名称为"
    u"recovery.img，如果你提取的是boot分区，则最后文件名称为boot."
    u"img，如果你提取的是system分区，则最后"
    u"文件名称为system.img，以此类推。";
constexpr std::u16string_view kTargetDefault = u"/sdcard/recovery.img";
constexpr std::u16string_view kInstallPrefix = u"adb install ";

void clearStatus(FormContext& form) {
    form.view.setStatusText(u"");
}

std::u16string ask(FormContext& form, std::u16string_view prompt, std::u16string_view defaultText) {
    return form.platform.inputPrompt(prompt, kPromptTitle, defaultText);
}

template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};

void runPromptedLine(FormContext& form, const PromptedLine& action) {
    clearStatus(form);
    const std::u16string answer = ask(form, action.prompt, action.defaultAnswer);
    if (answer.empty()) {
        return;
    }
    typeLine(form, std::u16string(action.prefix) + answer);
}

void runGuardedFileAction(FormContext& form, const GuardedFileAction& action) {
    clearStatus(form);
    const bool confirmed = form.platform.confirmBox(action.instruction, box::kYesNoInformation,
                                                    kConfirmTitle) == box::kYes;
    const bool filePresent = form.platform.entryKind(action.file) == EntryKind::OrdinaryFile;
    if (confirmed && filePresent) {
        typeLine(form, action.line);
        return;
    }
    form.platform.confirmBox(action.error, box::kOkCancelError, kErrorTitle);
}

void runFirmwareExtraction(FormContext& form) {
    clearStatus(form);
    // Both boxes are always shown, also after Cancel on the first.
    const std::u16string partition = ask(form, kPartitionPrompt, kPartitionDefault);
    const std::u16string target = ask(form, kTargetPrompt, kTargetDefault);
    if (partition.empty() || target.empty()) {
        return;
    }
    typeLine(form, firmwareExtractionLine(partition, target));
}

void runClockSync(FormContext& form) {
    const std::u16string line = clockSyncLine(form.platform.localTime());
    clearStatus(form);
    typeLine(form, line);
}

void runTransfer(FormContext& form, const Transfer& action) {
    clearStatus(form);
    // Both boxes are always shown, also after Cancel on the first.
    const std::u16string source = ask(form, action.sourcePrompt, action.sourceDefault);
    const std::u16string destination =
        ask(form, action.destinationPrompt, action.destinationDefault);
    if (source.empty() || destination.empty()) {
        return;
    }
    typeLineThenShow(form, std::u16string(action.prefix) + source + u" " + destination,
                     kTransferStatus);
}

void runApkInstall(FormContext& form) {
    // Text1 holds the user's path here: it is read, never cleared or overwritten.
    form.typer.TypeIntoConsole(std::u16string(kInstallPrefix) + form.view.statusText());
}

}  // namespace

void runFixedLine(FormContext& form, std::u16string_view line) {
    clearStatus(form);
    typeLine(form, line);
}

void runAction(FormContext& form, const Action& action) {
    std::visit(Overloaded{
                   [&](const FixedLine& a) { runFixedLine(form, a.line); },
                   [&](const PromptedLine& a) { runPromptedLine(form, a); },
                   [&](const GuardedFileAction& a) { runGuardedFileAction(form, a); },
                   [&](const FirmwareExtraction&) { runFirmwareExtraction(form); },
                   [&](const ClockSync&) { runClockSync(form); },
                   [&](const Transfer& a) { runTransfer(form, a); },
                   [&](const ApkInstall&) { runApkInstall(form); },
               },
               action);
}

}  // namespace vantrel
