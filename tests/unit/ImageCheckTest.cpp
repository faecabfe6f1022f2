// Whether a file's first bytes are what a flash or a sideload sends, with
// real headers of each format and of the files that people mistake for them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "actions/ImageCheck.h"

namespace vantrel {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::u16string_view kPath = u"C:\\ADB\\boot.img";

Bytes withBytesAt(std::size_t size, std::size_t offset, const Bytes& bytes) {
    Bytes file(size, 0);
    std::ranges::copy(bytes, file.begin() + static_cast<std::ptrdiff_t>(offset));
    return file;
}

// The first bytes of each kind of file, as the tools that make them write them.
const Bytes kBootImage = [] {
    Bytes header{'A', 'N', 'D', 'R', 'O', 'I', 'D', '!'};
    header.resize(1648, 0);  // a version 2 boot image header
    header[8] = 0x00;
    header[9] = 0x80;  // kernel size
    return header;
}();
const Bytes kSparseImage{0x3A, 0xFF, 0x26, 0xED, 0x01, 0x00, 0x00, 0x00,
                         0x1C, 0x00, 0x0C, 0x00, 0x00, 0x10, 0x00, 0x00};
const Bytes kExt4Image = withBytesAt(4096, 1080, {0x53, 0xEF, 0x01, 0x00});
const Bytes kErofsImage = withBytesAt(4096, 1024, {0xE2, 0xE1, 0xF5, 0xE0, 0x00, 0x00});
const Bytes kZip{0x50, 0x4B, 0x03, 0x04, 0x14, 0x00, 0x08, 0x08, 0x08, 0x00};
const Bytes kGzip{0x1F, 0x8B, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x03};
// A tar archive: a name, then "ustar" at 257.
const Bytes kTar = [] {
    Bytes header = withBytesAt(1536, 257, {'u', 's', 't', 'a', 'r', 0, '0', '0'});
    std::ranges::copy(std::string("boot.img"), header.begin());
    return header;
}();
const Bytes kInitBootImage = withBytesAt(64, 0, {'A', 'N', 'D', 'R', 'O', 'I', 'D', '!'});
const Bytes kVbmetaImage = withBytesAt(64, 0, {'A', 'V', 'B', '0'});

struct Format {
    const char* name;
    const Bytes* start;
    bool flashPackage;  // counts as update.zip
    bool bootImage;     // counts as boot.img, recovery.img and a temporary boot
    bool systemImage;   // counts as system.img
    bool initBootImage = false;
    bool vbmetaImage = false;
};

const Format kFormats[] = {
    {"boot image", &kBootImage, false, true, false},
    {"init_boot image", &kInitBootImage, false, true, false, true},
    {"vbmeta image", &kVbmetaImage, false, false, false, false, true},
    {"sparse image", &kSparseImage, false, false, true},
    {"ext4 image", &kExt4Image, false, false, true},
    {"EROFS image", &kErofsImage, false, false, true},
    {"zip", &kZip, true, false, false},
    {"gzip", &kGzip, false, false, false},
    {"tar", &kTar, false, false, false},
};

TEST(ImageCheckTest, EachActionTakesItsOwnFormatsOnly) {
    for (const Format& format : kFormats) {
        SCOPED_TRACE(format.name);
        EXPECT_EQ(!imageWarning(ExpectedImage::FlashPackage, *format.start, kPath),
                  format.flashPackage);
        EXPECT_EQ(!imageWarning(ExpectedImage::BootImage, *format.start, kPath), format.bootImage);
        EXPECT_EQ(!imageWarning(ExpectedImage::RecoveryImage, *format.start, kPath),
                  format.bootImage);
        EXPECT_EQ(!imageWarning(ExpectedImage::SystemImage, *format.start, kPath),
                  format.systemImage);
        EXPECT_EQ(!imageWarning(ExpectedImage::TemporaryBootImage, *format.start, kPath),
                  format.bootImage);
        EXPECT_EQ(!imageWarning(ExpectedImage::InitBootImage, *format.start, kPath),
                  format.initBootImage);
        EXPECT_EQ(!imageWarning(ExpectedImage::VbmetaImage, *format.start, kPath),
                  format.vbmetaImage);
    }
}

TEST(ImageCheckTest, AnEmptyFileOrOneTooShortForItsTestDoesNotCount) {
    for (const ExpectedImage image : {ExpectedImage::FlashPackage, ExpectedImage::BootImage,
                                      ExpectedImage::RecoveryImage, ExpectedImage::SystemImage}) {
        EXPECT_TRUE(imageWarning(image, Bytes{}, kPath));
    }
    const auto prefix = [](const Bytes& bytes, std::size_t size) {
        return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
    };
    EXPECT_TRUE(imageWarning(ExpectedImage::FlashPackage, Bytes{0x50, 0x4B, 0x03}, kPath));
    EXPECT_TRUE(imageWarning(ExpectedImage::BootImage, prefix(kBootImage, 7), kPath));
    // A boot image must go on to its kernel's size; a recovery needs the magic alone.
    EXPECT_TRUE(imageWarning(ExpectedImage::BootImage, prefix(kBootImage, 11), kPath));
    EXPECT_FALSE(imageWarning(ExpectedImage::RecoveryImage, prefix(kBootImage, 8), kPath));
    EXPECT_TRUE(imageWarning(ExpectedImage::SystemImage, Bytes{0x3A, 0xFF, 0x26}, kPath));
    EXPECT_TRUE(imageWarning(ExpectedImage::SystemImage, prefix(kExt4Image, 1081), kPath));
    EXPECT_TRUE(imageWarning(ExpectedImage::SystemImage, prefix(kErofsImage, 1027), kPath));
    // One byte more and each counts.
    EXPECT_FALSE(imageWarning(ExpectedImage::BootImage, prefix(kBootImage, 12), kPath));
    EXPECT_FALSE(imageWarning(ExpectedImage::SystemImage, prefix(kExt4Image, 1082), kPath));
    EXPECT_FALSE(imageWarning(ExpectedImage::SystemImage, prefix(kErofsImage, 1028), kPath));
}

TEST(ImageCheckTest, ABootImageMagicLaterInTheFileDoesNotCount) {
    EXPECT_TRUE(imageWarning(ExpectedImage::BootImage,
                             withBytesAt(64, 1, {'A', 'N', 'D', 'R', 'O', 'I', 'D', '!'}), kPath));
}

// The warnings name the file by its path as it is, blanks and all.
TEST(ImageCheckTest, EachWarningStartsWithThePathOfTheFileItWarnsAbout) {
    const std::u16string path = u"D:\\My ROM\\下载.img";
    const std::pair<ExpectedImage, std::u16string> warnings[] = {
        {ExpectedImage::FlashPackage, u"不是zip刷机包，手机会拒绝安装它。\r\n仍然要发送吗？"},
        {ExpectedImage::BootImage,
         u"不是Android启动镜像（文件开头没有ANDROID!），刷入后手机可能无法开机。\r\n仍然要刷入吗？"},
        {ExpectedImage::RecoveryImage,
         u"不是Android启动镜像（文件开头没有ANDROID!），刷入后手机可能无法进入Recovery。\r\n仍然要刷入吗？"},
        {ExpectedImage::SystemImage,
         u"不是Android系统镜像（不是sparse、ext4或EROFS格式），刷入后手机可能无法开机。\r\n仍然要刷入吗？"},
    };
    for (const auto& [image, text] : warnings) {
        EXPECT_EQ(imageWarning(image, kGzip, path), path + text);
    }
    EXPECT_EQ(
        initBootQuestion(path),
        path +
            u"是init_boot镜像（里面没有内核），刷入boot分区后手机将无法开机。\r\n要改为刷入init_boot分区吗？");
}

// The kernel's size is the 32-bit number at byte 8; an image too short to give it is none.
TEST(ImageCheckTest, ABootImageWithoutKernelIsAnInitBootImage) {
    struct Case {
        std::array<std::uint8_t, 4> kernelSize;
        std::size_t length;
        bool initBoot;
    };
    for (const Case& c : {Case{{0, 0, 0, 0}, 1648, true}, Case{{0, 0, 0, 0}, 12, true},
                          Case{{0, 0, 0, 0}, 11, false}, Case{{1, 0, 0, 0}, 1648, false},
                          Case{{0, 0, 0, 1}, 1648, false}}) {
        Bytes image = kBootImage;
        std::ranges::copy(c.kernelSize, image.begin() + 8);
        image.resize(c.length);
        EXPECT_EQ(isInitBootImage(image), c.initBoot) << c.length << " bytes";
    }
    EXPECT_FALSE(isInitBootImage(kGzip));
}

}  // namespace
}  // namespace vantrel
