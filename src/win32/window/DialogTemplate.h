#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

namespace vantrel::win32 {

// Position and size in dialog units.
struct DialogRect {
    short x;
    short y;
    short width;
    short height;
};

// Predefined control classes, as dialog templates name them.
enum class DialogControl : WORD { Button = 0x0080, Edit = 0x0081, Static = 0x0082 };

// An in-memory dialog template (DLGTEMPLATE and its items) for
// DialogBoxIndirectParamW, so the dialog is a standard "#32770" window.
class DialogTemplate {
  public:
    // style should include DS_SETFONT: the font names the dialog's font.
    DialogTemplate(DWORD style, DialogRect rect, std::wstring_view title, WORD fontPoints,
                   std::wstring_view fontFace);

    void addControl(DialogControl kind, WORD id, DWORD style, DWORD exStyle, DialogRect rect,
                    std::wstring_view text);

    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

  private:
    void appendDword(DWORD value);
    void appendRect(DialogRect rect);
    void appendString(std::wstring_view text);
    void alignToDword();

    std::vector<WORD> words_;  // WORD storage keeps every field at least WORD-aligned
};

}  // namespace vantrel::win32
