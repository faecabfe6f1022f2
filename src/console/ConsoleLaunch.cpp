#include "console/ConsoleLaunch.h"

#include <string>

namespace vantrel {
namespace {

// A folder or a plain file counts; a hidden or system entry is not ours.
bool markerPresent(Platform& platform) {
    const EntryKind kind = platform.entryKind(kAutoStartMarker);
    return kind == EntryKind::Directory || kind == EntryKind::OrdinaryFile;
}

void openConsole(FormContext& form) {
    if (!form.platform.startConsole()) {
        form.view.setStatusText(std::u16string(kConsoleStartFailedStatus));
    }
}

bool removeMarker(Platform& platform) {
    switch (platform.entryKind(kAutoStartMarker)) {
        case EntryKind::Directory:
            return platform.removeEmptyDirectory(kAutoStartMarker);
        case EntryKind::OrdinaryFile:
            return platform.deleteFile(kAutoStartMarker);
        case EntryKind::Missing:
        case EntryKind::HiddenOrSystem:
            return true;
    }
    return false;
}

}  // namespace

void Form1_Load(FormContext& form) {
    if (markerPresent(form.platform)) {
        openConsole(form);
    }
}

void Command1_Click(FormContext& form) {
    form.view.setStatusText(u"");
    openConsole(form);
}

void zdcmd_Click(FormContext& form) {
    form.view.setStatusText(u"");
    if (markerPresent(form.platform)) {
        return;
    }
    if (!form.platform.createDirectory(kWorkFolder) ||
        !form.platform.createDirectory(kAutoStartMarker)) {
        form.view.setStatusText(std::u16string(kMarkerNotMadeStatus));
    }
}

void qxcmd_Click(FormContext& form) {
    // Text1 keeps what it showed, unless the marker stays in place.
    if (!removeMarker(form.platform)) {
        form.view.setStatusText(std::u16string(kMarkerNotRemovedStatus));
    }
}

}  // namespace vantrel
