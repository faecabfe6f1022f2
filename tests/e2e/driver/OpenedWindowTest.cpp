#include "driver/OpenedWindowTest.h"

#include <memory>
#include <optional>

#include "driver/DriverOptions.h"
#include "driver/ProgramProcess.h"
#include "driver/WorkFolder.h"
#include "ports/ControlIds.h"

namespace e2e {
namespace {

struct SharedRun {
    std::unique_ptr<ProgramProcess> program;
    std::optional<MainWindow> window;
};

SharedRun& sharedRun() {
    static SharedRun run;
    return run;
}

}  // namespace

void OpenedWindowTest::SetUpTestSuite() {
    removeAutoStartMarker();
    SharedRun& run = sharedRun();
    run.program = std::make_unique<ProgramProcess>(vantrelPath());
    run.window.emplace(run.program->mainWindow());
    run.window->settle();
}

void OpenedWindowTest::TearDownTestSuite() {
    SharedRun& run = sharedRun();
    run.window.reset();
    run.program.reset();
}

MainWindow& OpenedWindowTest::window() {
    return *sharedRun().window;
}

std::wstring OpenedWindowTest::statusText() {
    return window().text(vantrel::kStatusBox);
}

}  // namespace e2e
