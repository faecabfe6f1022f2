#pragma once

#include <string_view>

#include "actions/Session.h"

namespace vantrel {

inline constexpr std::u16string_view kNoConsoleStatus = u"未找到cmd窗口";
inline constexpr std::u16string_view kInterruptedStatus = u"输入cmd窗口中断，命令未执行";
inline constexpr std::u16string_view kElevatedConsoleStatus =
    u"cmd窗口以管理员身份运行，请以管理员身份运行Vantrel";
inline constexpr std::u16string_view kNoticeTitle = u"提示";

// Where a line that could not be typed is reported.
enum class FailureNotice {
    InStatusBox,   // Text1, which the action emptied before it began
    InMessageBox,  // a notice box, for actions whose Text1 holds the user's input
};

// Types the line; when it could not be typed, says why. True when the whole
// line and its Enter reached the console.
bool typeLine(Session& session, std::u16string_view line,
              FailureNotice notice = FailureNotice::InStatusBox);

// Types the line and, once it reached the console, shows the success line.
void typeLineThenShow(Session& session, std::u16string_view line,
                      std::u16string_view statusAfterTyping);

}  // namespace vantrel
