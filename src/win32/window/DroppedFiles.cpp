#include "win32/window/DroppedFiles.h"

#include <shlobj.h>

#include <cstddef>

#include "app/DroppedFileList.h"
#include "win32/common/UniqueHandles.h"
#include "win32/common/WideText.h"

namespace vantrel::win32 {
namespace {

static_assert(sizeof(DROPFILES) == kDropFilesHeaderSize);
static_assert(offsetof(DROPFILES, pFiles) == kDropFilesListOffsetAt);
static_assert(offsetof(DROPFILES, fWide) == kDropFilesWideFlagAt);

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

std::u16string fromAnsiCodePage(std::string_view name) {
    const int length =
        MultiByteToWideChar(CP_ACP, 0, name.data(), static_cast<int>(name.size()), nullptr, 0);
    std::wstring converted(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, name.data(), static_cast<int>(name.size()), converted.data(),
                        length);
    return utf16(converted);
}

}  // namespace

std::vector<std::u16string> takeDroppedFiles(HGLOBAL drop) {
    const UniqueGlobal owned(drop);  // what DragFinish does: the receiver frees the list
    const LockedGlobal block(drop);
    return droppedFileList({block.bytes(), block.size()}, fromAnsiCodePage)
        .value_or(std::vector<std::u16string>{});
}

}  // namespace vantrel::win32
