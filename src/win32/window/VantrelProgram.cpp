#include "win32/window/VantrelProgram.h"

#include "win32/window/StartupFailure.h"

namespace vantrel::win32 {

int runVantrel(HINSTANCE instance, Platform& platform, int showCommand,
               MainWindow::ControlMaker makeControl) {
    MainWindow window(instance, platform, makeControl);
    if (!window.created()) {
        showStartupFailure(window.creationError());
        return 1;
    }
    return window.run(showCommand);
}

}  // namespace vantrel::win32
