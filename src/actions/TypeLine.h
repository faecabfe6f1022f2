#pragma once

#include <string_view>

#include "actions/Session.h"

namespace vantrel {

inline constexpr std::u16string_view kNoConsoleStatus = u"未找到cmd窗口";
inline constexpr std::u16string_view kInterruptedStatus = u"输入cmd窗口中断，命令未执行";
inline constexpr std::u16string_view kElevatedConsoleStatus =
    u"cmd窗口以管理员身份运行，请以管理员身份运行Vantrel";
inline constexpr std::u16string_view kTerminalQuestion =
    u"Windows终端里的命令窗口不能接收Vantrel的输入。\r\n现在打开一个cmd窗口吗？";

// Where a line that could not be typed is reported.
enum class FailureNotice {
    InStatusBox,   // Text1, which the action emptied before it began
    InMessageBox,  // a notice box, for actions whose Text1 holds the user's input
};

// Types the line; when it could not be typed, says why. With no console but
// a Windows Terminal window shown, it also offers to open a console, since
// the user plainly has one open that cannot take input. True when the whole
// line and its Enter reached the console.
bool typeLine(Session& session, std::u16string_view line,
              FailureNotice notice = FailureNotice::InStatusBox);

// Types the line and, once it reached the console, shows the success line.
void typeLineThenShow(Session& session, std::u16string_view line,
                      std::u16string_view statusAfterTyping);

}  // namespace vantrel
