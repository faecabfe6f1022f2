#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace vantrel {

// What a guarded file action sends to the phone, which its file must be.
enum class ExpectedImage {
    FlashPackage,   // update.zip: a zip archive
    BootImage,      // boot.img: an Android boot image
    RecoveryImage,  // recovery.img: an Android boot image too
    SystemImage,    // system.img: a sparse, ext4 or EROFS image
};

// How much of a file's start the check reads: every test lies within it.
inline constexpr std::size_t kImageCheckBytes = 4096;

inline constexpr std::u16string_view kUnreadablePrefix = u"无法读取";

// Whether the file's first bytes show what the action expects; a file too
// short for a test, or empty, does not count. When not, the warning that asks
// whether to send it all the same; nothing when it is what it claims to be.
std::optional<std::u16string_view> imageWarning(ExpectedImage expected,
                                                std::span<const std::uint8_t> fileStart);

}  // namespace vantrel
