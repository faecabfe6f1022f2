#include "app/DroppedFileList.h"

#include <cstdint>
#include <cstring>

namespace vantrel {
namespace {

std::uint32_t fieldAt(std::span<const unsigned char> block, std::size_t offset) {
    std::uint32_t value = 0;
    std::memcpy(&value, block.data() + offset, sizeof value);
    return value;
}

// Copied rather than cast: the list may start at an odd offset.
template <class Char>
Char characterAt(std::span<const unsigned char> list, std::size_t index) {
    Char c{};
    std::memcpy(&c, list.data() + index * sizeof(Char), sizeof(Char));
    return c;
}

template <class Char>
std::optional<std::vector<std::basic_string<Char>>> namesIn(std::span<const unsigned char> list) {
    // Whole characters only: an odd last byte of a wide list is none.
    const std::size_t count = list.size() / sizeof(Char);
    std::vector<std::basic_string<Char>> names;
    std::basic_string<Char> name;
    for (std::size_t index = 0; index < count; ++index) {
        const Char c = characterAt<Char>(list, index);
        if (c != 0) {
            name += c;
        } else if (name.empty()) {
            return names;  // the list's own zero
        } else {
            names.push_back(std::move(name));
            name.clear();
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::vector<std::u16string>> droppedFileList(std::span<const unsigned char> block,
                                                           AnsiDecoder decodeAnsi) {
    if (block.size() < kDropFilesHeaderSize) {
        return std::nullopt;
    }
    const std::uint32_t listOffset = fieldAt(block, kDropFilesListOffsetAt);
    if (listOffset < kDropFilesHeaderSize || listOffset >= block.size()) {
        return std::nullopt;
    }
    const std::span<const unsigned char> list = block.subspan(listOffset);
    if (fieldAt(block, kDropFilesWideFlagAt) != 0) {
        return namesIn<char16_t>(list);
    }
    const auto ansiNames = namesIn<char>(list);
    if (!ansiNames) {
        return std::nullopt;
    }
    std::vector<std::u16string> names;
    names.reserve(ansiNames->size());
    for (const std::string& name : *ansiNames) {
        names.push_back(decodeAnsi(name));
    }
    return names;
}

}  // namespace vantrel
