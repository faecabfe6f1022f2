#pragma once

#include <string>
#include <string_view>

#include "window/FormContext.h"

namespace vantrel {

inline constexpr std::u16string_view kNoConsoleStatus = u"未找到cmd窗口";
inline constexpr std::u16string_view kInterruptedStatus = u"输入cmd窗口中断，命令未执行";

// Types the line for an action that emptied Text1 before it began. When the
// line could not be typed, Text1 says why; true when the line reached the console.
bool typeLine(FormContext& form, std::u16string_view line);

// Types the line and, once it reached the console, shows the success line.
void typeLineThenShow(FormContext& form, std::u16string_view line,
                      std::u16string_view statusAfterTyping);

}  // namespace vantrel
