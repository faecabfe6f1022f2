#pragma once

#include <array>
#include <span>
#include <string_view>

#include "window/ControlIds.h"

namespace vantrel {

enum class ControlKind { OptionButton, ComboBox, TextBox, PushButton };

// Position and size in twips, from the top-left corner of the client area.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

struct ControlSpec {
    std::string_view name;
    ControlId id;
    ControlKind kind;
    std::u16string_view caption;  // caption, or a list's initial text
    TwipsRect rect;
    int tabIndex;
};

struct MenuItemSpec {
    std::string_view name;
    ControlId id;
    std::u16string_view caption;
};

struct MenuSpec {
    std::string_view name;
    std::u16string_view caption;
    std::span<const MenuItemSpec> items;
};

inline constexpr std::u16string_view kFormCaption = u"Vantrel";
inline constexpr int kClientWidthTwips = 2955;
inline constexpr int kClientHeightTwips = 3345;

// The window's controls, in tab order.
std::span<const ControlSpec> controlsInTabOrder();

std::span<const std::u16string_view> listItems(ControlId combo);

// The menu bar, left to right.
std::span<const MenuSpec> menuBar();

// Twips to pixels at the given DPI, rounded to the nearest pixel.
int twipsToPixels(int twips, int dpi);

}  // namespace vantrel
