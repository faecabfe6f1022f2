#include "actions/RunAction.h"

#include <optional>
#include <string>

#include "actions/BoxTitles.h"
#include "actions/ComposedLines.h"
#include "actions/ConsoleCommands.h"
#include "actions/DeviceCommands.h"
#include "actions/FileActions.h"
#include "actions/RomScriptFlash.h"
#include "actions/TypeLine.h"

namespace vantrel {
namespace {

constexpr std::u16string_view kPartitionPrompt =
    u"需要设备获取root权限，并授权ADBroot权限，请输入手机上固件分区的位置，请用root权限，并用shell到/fstab文件里面查询里面查询，最后路径如果要提取recovery分区，请填recovery，如果要提取boot分区，请填boot，如果要提取system分区，请填system，以此类推。";
constexpr std::u16string_view kPartitionDefault = u"/dev/block/platform/sdio_emmc/by-name/recovery";
constexpr std::u16string_view kTargetPrompt =
    u"请输入要保存在手机上的文件路径，默认/sdcard目录下，如果你提取的是recovery分区，则最后文件名称为recovery.img，如果你提取的是boot分区，则最后文件名称为boot.img，如果你提取的是system分区，则最后文件名称为system.img，以此类推。";
constexpr std::u16string_view kTargetDefault = u"/sdcard/recovery.img";

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

void runWarnedLine(Session& session, const WarnedLine& action) {
    clearStatus(session);
    if (session.view.messageBox(action.warning, BoxKind::Warning, kWarningTitle) ==
        BoxAnswer::Yes) {
        typeLine(session, action.line);
    }
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

}  // namespace

void runAction(Session& session, const Action& action) {
    std::visit(Overloaded{
                   [&](const FixedLine& a) { runFixedLine(session, a); },
                   [&](const WarnedLine& a) { runWarnedLine(session, a); },
                   [&](const LineThenStatus& a) { runLineThenStatus(session, a); },
                   [&](const PromptedLine& a) { runPromptedLine(session, a); },
                   [&](const GuardedFileAction& a) { runGuardedFileAction(session, a); },
                   [&](const TemporaryBoot& a) { runTemporaryBoot(session, a); },
                   [&](const RomScriptFlash&) { runRomScriptFlash(session); },
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
