#pragma once

#include <optional>
#include <span>
#include <string>

#include "actions/ActionKinds.h"
#include "actions/Session.h"
#include "phones/PhoneCount.h"
#include "phones/PhoneStatusText.h"
#include "ports/ControlIds.h"

namespace vantrel {

enum class ArrowKey { Up, Down, Left, Right };

// The main window's rules, apart from drawing: what each click, key, focus
// change and drop does. The window reports events here and applies the
// changes through its view.
class Form {
  public:
    Form(Platform& platform, View& view) : session_(platform, view) {}

    // Opens a console when auto-start is on, shows the window and selects
    // normal mode by giving Option1 the focus. Text1 keeps what the start
    // wrote there: it may say why no console opened.
    void start();

    // A click on a control or a menu item, by mouse or keyboard; Enter and Esc
    // arrive as IDOK and IDCANCEL and do nothing. While a box, prompt or
    // dialog is open, a command (another program may post one) starts nothing.
    void clicked(int id);
    // A click on the free client area.
    void freeAreaClicked();
    // The focus arrived at a control. A mouse press reports a click of its own
    // when it is released.
    void focusArrived(int id, bool byMousePress);
    // An arrow key on the focused control; true when it was an option button's.
    bool arrowKeyPressed(int id, ArrowKey key);
    // When the window is activated again, the control that had the focus gets
    // it back, unless this names another one to take it instead.
    std::optional<ControlId> focusInsteadOnReactivation(int hadFocus) const;
    // Files dropped onto the window, with their full paths. A drop while a
    // box or prompt is open changes nothing.
    void filesDropped(std::span<const std::u16string> paths);
    // What a look at the PC found: the status bar shows the phones, unless adb
    // or fastboot cannot be found, which it shows instead; its box and the
    // device prompt name the phones.
    void phonesSurveyed(const PhoneSurvey& survey);
    // The window became the active one: the user may have just copied the
    // tools, so they are looked for again once the first look has come.
    void windowActivated();

  private:
    // Selecting a mode counts as a click on its option button: Text1 empties.
    void chooseMode(Mode mode);
    void startClicked();
    // Boxes and prompts are modal: a drop that arrives while one is open
    // reaches filesDropped from within the action that showed it.
    void run(const Action& action);
    Mode selectedMode() const;
    void showPhoneDetails();

    Session session_;
    // What the bar tells of the phones; nothing before the first look.
    std::optional<PhoneReport> phoneReport_;
    MissingTools missingTools_;
    int actionsRunning_ = 0;  // more than one when a click arrived from within a box
};

}  // namespace vantrel
