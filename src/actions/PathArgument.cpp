#include "actions/PathArgument.h"

namespace vantrel {
namespace {

// A blank splits the argument; the others are cmd's operators and escapes.
constexpr std::u16string_view kCharactersThatNeedQuotes = u" &|<>^(),;=";
constexpr std::u16string_view kCharactersQuotesCannotHold = u"\"%";

}  // namespace

bool quotesCannotHold(std::u16string_view path) {
    return path.find_first_of(kCharactersQuotesCannotHold) != std::u16string_view::npos;
}

std::u16string asOneArgument(std::u16string_view path) {
    if (path.find_first_of(kCharactersThatNeedQuotes) == std::u16string_view::npos) {
        return std::u16string(path);
    }
    return u"\"" + std::u16string(path) + u"\"";
}

}  // namespace vantrel
