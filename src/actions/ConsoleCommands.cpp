#include "actions/ConsoleCommands.h"

#include <optional>
#include <string>

namespace vantrel {
namespace {

// A folder or a plain file counts; a hidden or system entry is not ours.
bool markerPresent(Platform& platform) {
    const EntryKind kind = platform.entryKind(kAutoStartMarker);
    return kind == EntryKind::Directory || kind == EntryKind::OrdinaryFile;
}

void startConsoleOrSayWhy(Session& session) {
    if (!startConsoleInWorkFolder(session.platform)) {
        session.view.setStatusText(std::u16string(kConsoleStartFailedStatus));
    }
}

}  // namespace

bool startConsoleInWorkFolder(Platform& platform) {
    return platform.startConsole(platform.isDirectory(kConsoleFolder)
                                     ? std::optional<std::u16string_view>(kConsoleFolder)
                                     : std::nullopt);
}

void openConsoleIfAutoStart(Session& session) {
    if (markerPresent(session.platform)) {
        startConsoleOrSayWhy(session);
    }
}

void openConsole(Session& session) {
    session.view.setStatusText(u"");
    startConsoleOrSayWhy(session);
}

void turnAutoStartOn(Session& session) {
    session.view.setStatusText(u"");
    Platform& platform = session.platform;
    // A hidden or system entry of that name is someone else's: it stays as it is.
    if (platform.entryKind(kAutoStartMarker) == EntryKind::Missing) {
        platform.createDirectory(kWorkFolder);
        platform.createDirectory(kAutoStartMarker);
    }
    if (!markerPresent(platform)) {
        session.view.setStatusText(std::u16string(kMarkerNotMadeStatus));
    }
}

void turnAutoStartOff(Session& session) {
    // Text1 keeps what it showed, unless the marker stays in place.
    Platform& platform = session.platform;
    switch (platform.entryKind(kAutoStartMarker)) {
        case EntryKind::Directory:
            platform.removeEmptyDirectory(kAutoStartMarker);
            break;
        case EntryKind::OrdinaryFile:
            platform.deleteFile(kAutoStartMarker);
            break;
        case EntryKind::Missing:
        case EntryKind::HiddenOrSystem:
            break;
    }
    if (markerPresent(platform)) {
        session.view.setStatusText(std::u16string(kMarkerNotRemovedStatus));
    }
}

}  // namespace vantrel
