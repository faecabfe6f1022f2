#include "actions/FileActions.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "actions/ApkFile.h"
#include "actions/BoxTitles.h"
#include "actions/ConsoleCommands.h"
#include "actions/ImageCheck.h"
#include "actions/PathArgument.h"
#include "actions/TypeLine.h"

namespace vantrel {
namespace {

constexpr std::u16string_view kInstallPrefix = u"adb install ";

// Each dialog offers its own type first, then every file.
constexpr FileFilter kAllFiles{u"所有文件 (*.*)", u"*.*"};
constexpr std::array kImageFilters{FileFilter{u"镜像文件 (*.img)", u"*.img"}, kAllFiles};
constexpr std::array kPackageFilters{FileFilter{u"刷机包 (*.zip)", u"*.zip"}, kAllFiles};
constexpr std::array kApkFilters{FileFilter{u"APK文件 (*.apk)", u"*.apk"}, kAllFiles};
constexpr std::u16string_view kApkChooserTitle = u"选择要安装的APK";

// An Open dialog for a file of these types, starting in the work folder
// when it is there.
std::optional<std::u16string> chooseInWorkFolder(Session& session, std::u16string_view title,
                                                 std::span<const FileFilter> filters) {
    return session.view.chooseFile({title, filters,
                                    session.platform.isDirectory(kConsoleFolder)
                                        ? std::optional(kConsoleFolder)
                                        : std::nullopt});
}

// Whether cmd can take the chosen path as one argument; a box says when not.
bool cmdTakes(Session& session, const std::u16string& path) {
    if (!quotesCannotHold(path)) {
        return true;
    }
    session.view.messageBox(kRenameChosenFileText, BoxKind::Failure, kErrorTitle);
    return false;
}

// The work folder's file, or one the user chooses instead; nothing when the
// user chose none or one that cmd cannot take, which is then said.
std::optional<std::u16string> fileToSend(Session& session, const GuardedFileAction& action) {
    if (session.platform.entryKind(action.file) == EntryKind::OrdinaryFile) {
        return std::u16string(action.file);
    }
    const bool package = action.expected == ExpectedImage::FlashPackage;
    std::optional<std::u16string> chosen =
        chooseInWorkFolder(session, action.chooserTitle,
                           package ? std::span<const FileFilter>(kPackageFilters) : kImageFilters);
    if (!chosen) {
        session.view.messageBox(action.error, BoxKind::Error, kErrorTitle);
        return std::nullopt;
    }
    if (!cmdTakes(session, *chosen)) {
        return std::nullopt;
    }
    return chosen;
}

// Yes sends the file all the same; the default button is No.
bool insistedOn(Session& session, const std::u16string& warning) {
    return session.view.messageBox(warning, BoxKind::Warning, kWarningTitle) == BoxAnswer::Yes;
}

// The file's first bytes, when it may go to the phone: it can be read, and
// it is what the action expects or the user insists. A download named
// boot.img may be a zip or another partition's image: flashed as it is, it
// leaves a phone that no longer starts.
std::optional<std::vector<std::uint8_t>> checkedStart(Session& session, const std::u16string& path,
                                                      ExpectedImage expected) {
    std::optional<std::vector<std::uint8_t>> fileStart =
        session.platform.readFileStart(path, kImageCheckBytes);
    if (!fileStart) {
        session.view.messageBox(std::u16string(kUnreadablePrefix) + path, BoxKind::Failure,
                                kErrorTitle);
        return std::nullopt;
    }
    if (const std::optional<std::u16string> warning = imageWarning(expected, *fileStart, path);
        warning && !insistedOn(session, *warning)) {
        return std::nullopt;
    }
    return fileStart;
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

}  // namespace

void runGuardedFileAction(Session& session, const GuardedFileAction& action) {
    session.view.setStatusText(u"");
    if (session.view.messageBox(action.instruction, BoxKind::Confirmation, kHintTitle) !=
        BoxAnswer::Yes) {
        session.view.messageBox(action.error, BoxKind::Error, kErrorTitle);
        return;
    }
    const std::optional<std::u16string> path = fileToSend(session, action);
    const std::optional<std::vector<std::uint8_t>> fileStart =
        path ? checkedStart(session, *path, action.expected) : std::nullopt;
    if (!fileStart) {
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

void runTemporaryBoot(Session& session, const TemporaryBoot& action) {
    session.view.setStatusText(u"");
    const std::optional<std::u16string> path =
        chooseInWorkFolder(session, action.chooserTitle, kImageFilters);
    if (!path || !cmdTakes(session, *path)) {
        return;
    }
    const std::optional<std::vector<std::uint8_t>> fileStart =
        checkedStart(session, *path, ExpectedImage::TemporaryBootImage);
    if (!fileStart) {
        return;
    }
    // An init_boot image holds a ramdisk alone: the phone has no kernel to start.
    if (isInitBootImage(*fileStart)) {
        session.view.messageBox(initBootCannotStartText(*path), BoxKind::Failure, kErrorTitle);
        return;
    }
    typeLine(session, std::u16string(action.linePrefix) + asOneArgument(*path));
}

void runApkInstall(Session& session) {
    // A notice that Text1 shows in place of a path is none: the APK is chosen anew.
    if (const std::u16string text1 = session.view.statusText();
        (isBlank(text1) || isApkNotice(text1)) && !apkChosen(session)) {
        return;
    }
    // Text1 holds the user's path here: it is read, never cleared or overwritten,
    // so a failure is told in a box of its own.
    typeLine(session, std::u16string(kInstallPrefix) + session.view.statusText(),
             FailureNotice::InMessageBox);
}

}  // namespace vantrel
