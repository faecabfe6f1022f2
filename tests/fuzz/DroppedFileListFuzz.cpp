// Any block may arrive with a drop: the reader must stay within it, and every
// name it gives must be one whole name.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/DroppedFileList.h"

namespace {

std::u16string widened(std::string_view name) {
    std::u16string wide;
    for (const char c : name) {
        wide += static_cast<char16_t>(static_cast<unsigned char>(c));
    }
    return wide;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto names = vantrel::droppedFileList({data, size}, widened);
    if (!names) {
        return 0;
    }
    for (const std::u16string& name : *names) {
        // An empty name would be the list's end, and a zero ends a name.
        if (name.empty() || name.find(u'\0') != std::u16string::npos) {
            std::abort();
        }
    }
    return 0;
}
