#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// The file list that comes with WM_DROPFILES, a DROPFILES block: a header of
// DWORD pFiles, POINT pt (two LONGs), BOOL fNC and BOOL fWide, then from byte
// pFiles on the full paths, each ended by a zero character, and one more zero.
// The characters are UTF-16 when fWide is set, else the sender's ANSI code page.
inline constexpr std::size_t kDropFilesHeaderSize = 20;
inline constexpr std::size_t kDropFilesListOffsetAt = 0;  // pFiles
inline constexpr std::size_t kDropFilesWideFlagAt = 16;   // fWide

// Turns a name in the ANSI code page into UTF-16.
using AnsiDecoder = std::u16string (*)(std::string_view name);

// The paths in such a block; nothing when it is damaged: shorter than its
// header, a list that starts inside the header or at or past the end, or a
// name or the list without its zero before the end of the block. The block
// may come from any program, so it is only read by index within its size.
std::optional<std::vector<std::u16string>> droppedFileList(std::span<const unsigned char> block,
                                                           AnsiDecoder decodeAnsi);

}  // namespace vantrel
