#include "window/Form1.h"

#include "console/ConsoleLaunch.h"
#include "dispatch/StartButton.h"
#include "menus/DisplayMenu.h"
#include "menus/HelpMenu.h"

namespace vantrel {

Form1::Form1(Platform& platform, WindowView& view)
    : typer_(platform), form_{platform, view, typer_} {}

void Form1::load() {
    Form1_Load(form_);
}

void Form1::clientAreaClick() {
    form_.view.setStatusText(u"");
}

void Form1::click(ControlId id) {
    switch (id) {
        // Choosing a mode, also the one already chosen, empties the status box.
        case kOption1:
        case kOption2:
        case kOption3:
        case kOption4:
            form_.view.setStatusText(u"");
            return;
        case kCommand1:
            return Command1_Click(form_);
        case kCommand2:
            return Command2_Click(form_);
        case kXgfbl:
            return xgfbl_Click(form_);
        case kXgdpi:
            return xgdpi_Click(form_);
        case kXsfpl:
            return xsfpl_Click(form_);
        case kXsdpi:
            return xsdpi_Click(form_);
        case kHffpl:
            return hffpl_Click(form_);
        case kHfdpi:
            return hfdpi_Click(form_);
        case kJp:
            return jp_Click(form_);
        case kTstp:
            return tstp_Click(form_);
        case kJz:
            return jz_Click(form_);
        case kZdcmd:
            return zdcmd_Click(form_);
        case kQxcmd:
            return qxcmd_Click(form_);
        case kAdbhelp:
            return adbhelp_Click(form_);
        case kBLhelp:
            return BLhelp_Click(form_);
        case kBzfile:
            return bzfile_Click(form_);
        case kGy:
            return gy_Click(form_);
        case kCombo1:
        case kCombo2:
        case kCombo3:
        case kText1:
        case kCommand3:
            return;
    }
}

}  // namespace vantrel
