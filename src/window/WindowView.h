#pragma once

#include <string>

namespace vantrel {

// The four mode option buttons, Option1 to Option4.
enum class Mode { Normal, Bootloader, Transfer, Install };

// The three drop-down lists, Combo1 to Combo3.
enum class List { Combo1, Combo2, Combo3 };

// What the handlers read from and write to the main window, and nothing more.
class WindowView {
  public:
    virtual ~WindowView() = default;

    virtual bool isSelected(Mode mode) const = 0;
    // The current text of the list's edit field, picked or typed.
    virtual std::u16string listText(List list) const = 0;
    virtual std::u16string statusText() const = 0;  // Text1
    virtual void setStatusText(const std::u16string& text) = 0;
};

}  // namespace vantrel
