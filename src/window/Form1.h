#pragma once

#include "console/ConsoleTyper.h"
#include "window/ControlIds.h"
#include "window/FormContext.h"

namespace vantrel {

// The main window's behaviour, apart from drawing: owns the typing variables
// and routes every click to its control's handler.
class Form1 {
  public:
    Form1(Platform& platform, WindowView& view);

    // Runs before the window is first shown.
    void load();
    // A click on a control or a menu item; ids without a handler are ignored.
    void click(ControlId id);
    // A click on the free client area.
    void clientAreaClick();

  private:
    ConsoleTyper typer_;
    FormContext form_;
};

}  // namespace vantrel
