#pragma once

#include "actions/ActionKinds.h"
#include "actions/Session.h"

namespace vantrel {

// A flash or the sideload: confirmed, its file in the work folder or chosen
// instead, checked for what it claims to be, then typed as one argument.
void runGuardedFileAction(Session& session, const GuardedFileAction& action);

// "临时启动": a boot image chosen in an Open dialog, checked, then started once.
void runTemporaryBoot(Session& session, const TemporaryBoot& action);

// "安装apk": installs the APK whose path stands in Text1, or, with none
// there, the one the user chooses.
void runApkInstall(Session& session);

}  // namespace vantrel
