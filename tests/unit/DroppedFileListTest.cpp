// Reading the file list of a drop, which any program can send: well-formed
// lists in both character sizes, and damaged blocks, which give nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/DroppedFileList.h"

namespace vantrel::testing {
namespace {

using namespace std::string_view_literals;
using Block = std::vector<unsigned char>;
using Names = std::vector<std::u16string>;

// Stands in for the code page: each byte is the code unit of the same number,
// marked so that a test sees the decoder was used.
std::u16string markedLatin1(std::string_view name) {
    std::u16string decoded = u"ansi:";
    for (const char c : name) {
        decoded += static_cast<char16_t>(static_cast<unsigned char>(c));
    }
    return decoded;
}

template <class Char>
Block bytesOf(std::basic_string_view<Char> characters) {
    Block bytes(characters.size() * sizeof(Char));
    std::memcpy(bytes.data(), characters.data(), bytes.size());
    return bytes;
}

Block header(std::uint32_t listOffset, bool wide) {
    Block block(kDropFilesHeaderSize, 0);
    std::memcpy(block.data() + kDropFilesListOffsetAt, &listOffset, sizeof listOffset);
    const std::uint32_t wideFlag = wide ? 1 : 0;
    std::memcpy(block.data() + kDropFilesWideFlagAt, &wideFlag, sizeof wideFlag);
    return block;
}

Block joined(Block first, const Block& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// A header that names listOffset, zeros up to it, the list from there on.
Block dropBlock(std::uint32_t listOffset, bool wide, const Block& list) {
    Block block = header(listOffset, wide);
    block.resize(std::max<std::size_t>(block.size(), listOffset), 0);
    return joined(block, list);
}

Block wideBlock(std::u16string_view list, std::uint32_t listOffset = kDropFilesHeaderSize) {
    return dropBlock(listOffset, true, bytesOf(list));
}

std::optional<Names> read(const Block& block) {
    return droppedFileList(block, markedLatin1);
}

TEST(DroppedFileListTest, ReadsWellFormedLists) {
    EXPECT_EQ(read(wideBlock(u"C:\\下载\\a.apk\0D:\\b.apk\0\0"sv)),
              (Names{u"C:\\下载\\a.apk", u"D:\\b.apk"}));
    EXPECT_EQ(read(dropBlock(kDropFilesHeaderSize, false, bytesOf("C:\\\xC4\xE3.apk\0\0"sv))),
              Names{u"ansi:C:\\\u00C4\u00E3.apk"});
    EXPECT_EQ(read(wideBlock(u"\0"sv)), Names{}) << "an empty list";
    EXPECT_EQ(read(wideBlock(u"C:\\a.apk\0\0"sv, kDropFilesHeaderSize + 1)), Names{u"C:\\a.apk"})
        << "a list at an odd offset";
    EXPECT_EQ(read(wideBlock(u"C:\\a.apk\0\0\xFFFF\xFFFF"sv)), Names{u"C:\\a.apk"})
        << "bytes after the list, as a block rounded up by the allocator has";
}

TEST(DroppedFileListTest, DamagedBlocksGiveNothing) {
    const Block wellFormed = wideBlock(u"C:\\a.apk\0\0"sv);
    struct Case {
        const char* damage;
        Block block;
    };
    const std::vector<Case> cases{
        {"no block at all", {}},
        {"shorter than its header", Block(wellFormed.begin(), wellFormed.begin() + 19)},
        {"the list inside the header", wideBlock(u"C:\\a.apk\0\0"sv, 4)},
        {"the list at the end", Block(wellFormed.begin(), wellFormed.begin() + 20)},
        {"the list past the end", joined(header(0xFFFFFFFF, true), bytesOf(u"C:\\a.apk\0\0"sv))},
        {"no final zero", wideBlock(u"C:\\a.apk\0"sv)},
        {"a name without its zero at the very end", wideBlock(u"C:\\a.apk"sv)},
        {"an odd size, the final zero half there", Block(wellFormed.begin(), wellFormed.end() - 1)},
        {"an ANSI name without its zero",
         dropBlock(kDropFilesHeaderSize, false, bytesOf("a.apk"sv))},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(read(c.block), std::nullopt) << c.damage;
    }
}

}  // namespace
}  // namespace vantrel::testing
