#pragma once

#include <string>
#include <string_view>

namespace vantrel {

// Said when a file the user chose has a name that cmd cannot take.
inline constexpr std::u16string_view kRenameChosenFileText = u"文件名含有%或引号，请改名后再选择";

// Whether cmd would read part of the path as something else even inside
// double quotes: a quote ends them, and cmd expands %NAME% within them.
bool quotesCannotHold(std::u16string_view path);

// The path as one argument of a typed line: in double quotes when cmd would
// otherwise split it at a blank or read part of it as an operator.
std::u16string asOneArgument(std::u16string_view path);

}  // namespace vantrel
