#include "menus/HelpMenu.h"

#include "dispatch/Actions.h"

// The web page that "关于" opens; set at build time (CMake cache entry VANTREL_HOMEPAGE_URL).
#ifndef VANTREL_HOMEPAGE_URL
#error "VANTREL_HOMEPAGE_URL must be defined by the build"
#endif

namespace vantrel {

void adbhelp_Click(FormContext& form) {
    runFixedLine(form, u"adb help");
}

void BLhelp_Click(FormContext& form) {
    runFixedLine(form, u"fastboot help");
}

void bzfile_Click(FormContext& form) {
    runFixedLine(form, u"start C:\\adb\\adbbz.doc");
}

void gy_Click(FormContext& form) {
    runFixedLine(form, u"explorer " VANTREL_HOMEPAGE_URL);
}

}  // namespace vantrel
