#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace vantrel::win32 {

// Control ids of the input box, besides IDOK ("确定") and IDCANCEL ("取消").
inline constexpr int kPromptTextId = 1001;  // the prompt, a wrapped static text
inline constexpr int kAnswerEditId = 1002;  // the one-line answer field

// Shows the modal input box owned by owner (which may be nullptr): the title
// in its caption, the prompt above an answer field that holds defaultText,
// fully selected. Returns the field's text unchanged on OK (or Enter), and
// the empty string on Cancel, Esc or the close box, and when the box could
// not be shown.
std::u16string showInputPrompt(HWND owner, std::u16string_view prompt, std::u16string_view title,
                               std::u16string_view defaultText);

}  // namespace vantrel::win32
