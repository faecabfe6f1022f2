#include "actions/ImageCheck.h"

#include <algorithm>
#include <array>

namespace vantrel {
namespace {

// Bytes that a format has at an offset from the file's start.
struct Signature {
    std::size_t offset;
    std::span<const std::uint8_t> bytes;
};

constexpr std::array<std::uint8_t, 4> kZipLocalHeader{0x50, 0x4B, 0x03, 0x04};
constexpr std::array<std::uint8_t, 8> kBootImageMagic{'A', 'N', 'D', 'R', 'O', 'I', 'D', '!'};
constexpr std::array<std::uint8_t, 4> kSparseMagic{0x3A, 0xFF, 0x26, 0xED};
// The superblocks begin at 1024; ext4's magic is 56 bytes into its own.
constexpr std::array<std::uint8_t, 2> kExt4Magic{0x53, 0xEF};
constexpr std::array<std::uint8_t, 4> kErofsMagic{0xE2, 0xE1, 0xF5, 0xE0};
constexpr std::array<std::uint8_t, 4> kVbmetaMagic{'A', 'V', 'B', '0'};

constexpr std::array kZipArchive{Signature{0, kZipLocalHeader}};
constexpr std::array kBootImage{Signature{0, kBootImageMagic}};
constexpr std::array kSystemImage{Signature{0, kSparseMagic}, Signature{1080, kExt4Magic},
                                  Signature{1024, kErofsMagic}};
constexpr std::array kVbmetaImage{Signature{0, kVbmetaMagic}};

// Every version of the boot image header has the kernel's size, a 32-bit
// little-endian number, right after the magic.
constexpr std::size_t kKernelSizeOffset = 8;
constexpr std::size_t kBootHeaderWithKernelSize = kKernelSizeOffset + 4;

// What each action's file must start with, and what the user is asked, after
// the file's path, when it does not. A rule with a warning for a kernel
// takes only boot images without one.
struct ImageRule {
    ExpectedImage image;
    std::span<const Signature> anyOf;
    std::size_t minimumSize;
    std::u16string_view warning;
    std::u16string_view withKernelWarning = {};
};

constexpr std::u16string_view kNoBootImageFlashWarning =
    u"不是Android启动镜像（文件开头没有ANDROID!），刷入后手机可能无法开机。\r\n仍然要刷入吗？";

constexpr std::array kRules{
    ImageRule{ExpectedImage::FlashPackage, kZipArchive, 0,
              u"不是zip刷机包，手机会拒绝安装它。\r\n仍然要发送吗？"},
    ImageRule{ExpectedImage::BootImage, kBootImage, kBootHeaderWithKernelSize,
              kNoBootImageFlashWarning},
    ImageRule{
        ExpectedImage::RecoveryImage, kBootImage, 0,
        u"不是Android启动镜像（文件开头没有ANDROID!），刷入后手机可能无法进入Recovery。\r\n仍然要刷入吗？"},
    ImageRule{
        ExpectedImage::SystemImage, kSystemImage, 0,
        u"不是Android系统镜像（不是sparse、ext4或EROFS格式），刷入后手机可能无法开机。\r\n仍然要刷入吗？"},
    ImageRule{
        ExpectedImage::TemporaryBootImage, kBootImage, kBootHeaderWithKernelSize,
        u"不是Android启动镜像（文件开头没有ANDROID!），手机可能无法从它启动。\r\n仍然要启动吗？"},
    ImageRule{
        ExpectedImage::InitBootImage, kBootImage, kBootHeaderWithKernelSize,
        kNoBootImageFlashWarning,
        u"是boot镜像（里面有内核），不是init_boot镜像，刷入init_boot分区后手机可能无法开机。\r\n仍然要刷入吗？"},
    ImageRule{ExpectedImage::VbmetaImage, kVbmetaImage, 0,
              u"不是vbmeta镜像（文件开头没有AVB0），刷入后手机可能无法开机。\r\n仍然要刷入吗？"},
};

constexpr std::u16string_view kInitBootQuestion =
    u"是init_boot镜像（里面没有内核），刷入boot分区后手机将无法开机。\r\n要改为刷入init_boot分区吗？";
constexpr std::u16string_view kInitBootCannotStart =
    u"是init_boot镜像（里面没有内核），不能单独启动手机。\r\n请选择boot镜像或Recovery镜像。";

// The rules stand in the order of ExpectedImage, which indexes them.
constexpr bool rulesInOrder() {
    for (std::size_t index = 0; index < kRules.size(); ++index) {
        if (kRules[index].image != static_cast<ExpectedImage>(index)) {
            return false;
        }
    }
    return true;
}
static_assert(rulesInOrder() &&
              kRules.size() == static_cast<std::size_t>(ExpectedImage::VbmetaImage) + 1);

bool hasSignature(std::span<const std::uint8_t> fileStart, const Signature& signature) {
    return fileStart.size() >= signature.offset + signature.bytes.size() &&
           std::ranges::equal(fileStart.subspan(signature.offset, signature.bytes.size()),
                              signature.bytes);
}

}  // namespace

std::optional<std::u16string> imageWarning(ExpectedImage expected,
                                           std::span<const std::uint8_t> fileStart,
                                           std::u16string_view path) {
    const ImageRule& rule = kRules[static_cast<std::size_t>(expected)];
    const bool counts =
        fileStart.size() >= rule.minimumSize &&
        std::any_of(rule.anyOf.begin(), rule.anyOf.end(), [fileStart](const Signature& signature) {
            return hasSignature(fileStart, signature);
        });
    if (!counts) {
        return std::u16string(path) + std::u16string(rule.warning);
    }
    if (!rule.withKernelWarning.empty() && !isInitBootImage(fileStart)) {
        return std::u16string(path) + std::u16string(rule.withKernelWarning);
    }
    return std::nullopt;
}

bool isInitBootImage(std::span<const std::uint8_t> fileStart) {
    return fileStart.size() >= kBootHeaderWithKernelSize &&
           hasSignature(fileStart, kBootImage.front()) &&
           std::ranges::all_of(fileStart.subspan(kKernelSizeOffset, 4),
                               [](std::uint8_t byte) { return byte == 0; });
}

std::u16string initBootQuestion(std::u16string_view path) {
    return std::u16string(path) + std::u16string(kInitBootQuestion);
}

std::u16string initBootCannotStartText(std::u16string_view path) {
    return std::u16string(path) + std::u16string(kInitBootCannotStart);
}

}  // namespace vantrel
