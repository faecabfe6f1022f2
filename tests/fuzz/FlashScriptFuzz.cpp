// A chosen flash script may hold any bytes: the reader must stay within them,
// and the phone it names must be "未知" or printable ASCII without a quote or
// a blank, as the confirmation shows it.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "actions/FlashScript.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const vantrel::FlashScriptEffects effects = vantrel::flashScriptEffects(std::span(data, size));
    const bool plainName = std::ranges::all_of(
        effects.product, [](char16_t c) { return c > u' ' && c < 0x7F && c != u'"'; });
    if (effects.product.empty() || (!plainName && effects.product != u"未知") ||
        effects.product.size() > size + 2) {
        std::abort();
    }
    return 0;
}
