#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vantrel {

// What a file action sends to the phone, which its file must be.
enum class ExpectedImage {
    FlashPackage,        // update.zip: a zip archive
    BootImage,           // boot.img: an Android boot image
    RecoveryImage,       // recovery.img: an Android boot image too
    SystemImage,         // system.img: a sparse, ext4 or EROFS image
    TemporaryBootImage,  // started once: an Android boot image
    InitBootImage,       // init_boot.img: an Android boot image without a kernel
    VbmetaImage,         // vbmeta.img: Android Verified Boot's vbmeta image
};

// How much of a file's start the check reads: every test lies within it.
inline constexpr std::size_t kImageCheckBytes = 4096;

inline constexpr std::u16string_view kUnreadablePrefix = u"无法读取";

// Whether the file's first bytes show what the action expects; a file too
// short for a test, or empty, does not count, and a boot image must be long
// enough to give its kernel's size (an init_boot image must give none). When
// not, the warning that asks whether to send it all the same, naming the
// file by its path as it is; nothing when it is what it claims to be.
std::optional<std::u16string> imageWarning(ExpectedImage expected,
                                           std::span<const std::uint8_t> fileStart,
                                           std::u16string_view path);

// Whether the file is a boot image whose header gives no kernel: the ramdisk
// of the init_boot partition (phones launched with Android 13 or later), which
// flashed into boot leaves a phone that no longer starts.
bool isInitBootImage(std::span<const std::uint8_t> fileStart);

// Asks whether such a file goes into init_boot instead; the path as it is.
std::u16string initBootQuestion(std::u16string_view path);

// Says that such a file cannot start the phone on its own; the path as it is.
std::u16string initBootCannotStartText(std::u16string_view path);

}  // namespace vantrel
