#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "ports/ControlIds.h"
#include "ports/View.h"

namespace vantrel {

enum class ControlKind { OptionButton, ComboBox, TextBox, PushButton };

// Whether the Tab key stops at a control.
enum class TabStop {
    Always,
    WhenSelected,  // the option buttons: only the selected one, so Tab never changes the mode
    Never,         // Command3, which lies outside the client area
};

// Position and size in twips, from the top-left corner of the client area.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

struct ControlDefinition {
    std::string_view formName;
    ControlId id;
    ControlKind kind;
    std::u16string_view caption;  // caption, or a list's initial text
    TwipsRect rect;
    TabStop tabStop;
};

struct MenuItemDefinition {
    std::string_view formName;
    ControlId id;
    std::u16string_view caption;
};

struct MenuDefinition {
    std::string_view formName;
    std::u16string_view caption;
    std::span<const MenuItemDefinition> items;
};

inline constexpr int kClientWidthTwips = 2955;
// The controls' area; the status bar lies below it, across the whole width.
inline constexpr int kClientHeightTwips = 3345;
// The edit field of each of the three drop-down lists.
inline constexpr int kListFieldHeightTwips = 300;

// The window's controls, in tab order.
std::span<const ControlDefinition> controlsInTabOrder();

std::span<const std::u16string_view> listItems(ControlId list);

// The menu bar, left to right.
std::span<const MenuDefinition> menuBar();

// The option button of each mode, and the mode of an option button.
ControlId optionOf(Mode mode);
std::optional<Mode> modeOf(int controlId);
ControlId listControlOf(List list);

// Twips to pixels at the given DPI, rounded to the nearest pixel.
int twipsToPixels(int twips, int dpi);

}  // namespace vantrel
