#pragma once

#include <string_view>

namespace vantrel {

// The titles of the program's input and message boxes.
inline constexpr std::u16string_view kPromptTitle = u"提醒";  // every input box
inline constexpr std::u16string_view kHintTitle = u"提示";    // confirmations and notices
inline constexpr std::u16string_view kErrorTitle = u"错误提示";
inline constexpr std::u16string_view kWarningTitle = u"警告";  // before a risky flash

}  // namespace vantrel
