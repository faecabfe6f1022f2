#include "win32/window/DroppedFiles.h"

#include <shlobj.h>

#include "win32/common/UniqueHandles.h"
#include "win32/common/WideText.h"

namespace vantrel::win32 {
namespace {

// GlobalLock for one scope.
class LockedGlobal {
  public:
    explicit LockedGlobal(HGLOBAL memory) : memory_(memory), data_(GlobalLock(memory)) {}
    ~LockedGlobal() {
        if (data_ != nullptr) {
            GlobalUnlock(memory_);
        }
    }
    LockedGlobal(const LockedGlobal&) = delete;
    LockedGlobal& operator=(const LockedGlobal&) = delete;

    const BYTE* bytes() const { return static_cast<const BYTE*>(data_); }
    SIZE_T size() const { return data_ != nullptr ? GlobalSize(memory_) : 0; }

  private:
    HGLOBAL memory_;
    void* data_;
};

// The names follow the header, each ended by a zero, the list by another zero.
template <class Char>
std::vector<std::u16string> namesAt(const BYTE* first, const BYTE* end) {
    std::vector<std::u16string> names;
    const auto* c = reinterpret_cast<const Char*>(first);
    const auto* last = reinterpret_cast<const Char*>(end);
    while (c < last && *c != 0) {
        const Char* start = c;
        while (c < last && *c != 0) {
            ++c;
        }
        if (c == last) {
            break;  // a name without its end: the block is damaged
        }
        if constexpr (sizeof(Char) == sizeof(char16_t)) {
            names.emplace_back(start, c);
        } else {
            const std::string ansi(start, c);
            const int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(),
                                                   static_cast<int>(ansi.size()), nullptr, 0);
            std::wstring name(static_cast<std::size_t>(length), L'\0');
            MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), name.data(),
                                length);
            names.push_back(utf16(name));
        }
        ++c;
    }
    return names;
}

}  // namespace

std::vector<std::u16string> takeDroppedFiles(HGLOBAL drop) {
    const UniqueGlobal owned(drop);  // what DragFinish does: the receiver frees the list
    const LockedGlobal block(drop);
    if (block.size() < sizeof(DROPFILES)) {
        return {};
    }
    const auto& header = *reinterpret_cast<const DROPFILES*>(block.bytes());
    if (header.pFiles < sizeof(DROPFILES) || header.pFiles >= block.size()) {
        return {};
    }
    const BYTE* first = block.bytes() + header.pFiles;
    const BYTE* end = block.bytes() + block.size();
    return header.fWide ? namesAt<wchar_t>(first, end) : namesAt<char>(first, end);
}

}  // namespace vantrel::win32
