#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "ports/ControlIds.h"

namespace vantrel {

// The main window's caption.
inline constexpr std::u16string_view kWindowCaption = u"Vantrel";

// The four modes, one option button each (Option1 to Option4).
enum class Mode { Normal, Bootloader, Transfer, Install };
inline constexpr std::array kModes{Mode::Normal, Mode::Bootloader, Mode::Transfer, Mode::Install};

// The three drop-down lists (Combo1 to Combo3).
enum class List { NormalActions, BootloaderActions, TransferDirections };

// The message boxes the program shows, each a fixed set of buttons and an icon.
enum class BoxKind {
    Confirmation,  // Yes and No, information icon
    Error,         // OK and Cancel, error icon
    Notice,        // OK alone, warning icon
    Information,   // OK alone, information icon
    Question,      // Yes and No, question icon
    Warning,       // Yes and No, warning icon, No as the default button
    Failure,       // OK alone, error icon
};

enum class BoxAnswer { Ok, Cancel, Yes, No };

// One entry of an Open dialog's file-type list: its name and its wildcard.
struct FileFilter {
    std::u16string_view name;
    std::u16string_view pattern;
};

// What an Open dialog asks for: one existing file, of the first filter's type
// at first; it starts in that folder, or with none where the system likes.
struct FileChoice {
    std::u16string_view title;
    std::span<const FileFilter> filters;
    std::optional<std::u16string_view> startFolder;
};

// The main window as the program's rules see it: what they read from its
// controls, what they change, and the modal dialogs it owns.
class View {
  public:
    virtual ~View() = default;

    virtual bool isSelected(Mode mode) const = 0;
    // The current text of the list's edit field, picked or typed.
    virtual std::u16string listText(List list) const = 0;
    virtual std::u16string statusText() const = 0;  // Text1
    virtual void setStatusText(const std::u16string& text) = 0;
    // The status bar under the controls, which says whether a phone is attached.
    virtual void setPhoneStatus(const std::u16string& text) = 0;
    // Asks for the phones and the tools to be looked for again, away from the
    // window's thread; what is found arrives later, as the start's first look does.
    virtual void lookForPhonesAgain() = 0;

    // Checks that mode's option button alone; it alone is a tab stop of the four.
    virtual void selectMode(Mode mode) = 0;
    virtual void focusControl(ControlId id) = 0;
    virtual void setCaption(const std::u16string& caption) = 0;
    virtual void show() = 0;

    // Modal input box: the field's text on OK, the empty string on Cancel.
    virtual std::u16string inputPrompt(std::u16string_view prompt, std::u16string_view title,
                                       std::u16string_view defaultText) = 0;
    virtual BoxAnswer messageBox(std::u16string_view text, BoxKind kind,
                                 std::u16string_view title) = 0;
    // The system's modal Open dialog: the chosen file's full path; nothing on
    // Cancel, or when the dialog could not be shown.
    virtual std::optional<std::u16string> chooseFile(const FileChoice& choice) = 0;
    // Windows' own modal Properties dialog of the device node with that
    // instance ID, whose driver page installs its driver; false when it
    // cannot be shown.
    virtual bool showDeviceProperties(std::u16string_view instanceId) = 0;
};

}  // namespace vantrel
