// Whether a file's first bytes are what a flash or a sideload sends, with
// real headers of each format and of the files that people mistake for them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "actions/ImageCheck.h"

namespace vantrel {
namespace {

using Bytes = std::vector<std::uint8_t>;

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

struct Format {
    const char* name;
    const Bytes* start;
    bool flashPackage;  // counts as update.zip
    bool bootImage;     // counts as boot.img and recovery.img
    bool systemImage;   // counts as system.img
};

const Format kFormats[] = {
    {"boot image", &kBootImage, false, true, false},
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
        EXPECT_EQ(!imageWarning(ExpectedImage::FlashPackage, *format.start), format.flashPackage);
        EXPECT_EQ(!imageWarning(ExpectedImage::BootImage, *format.start), format.bootImage);
        EXPECT_EQ(!imageWarning(ExpectedImage::RecoveryImage, *format.start), format.bootImage);
        EXPECT_EQ(!imageWarning(ExpectedImage::SystemImage, *format.start), format.systemImage);
    }
}

TEST(ImageCheckTest, AnEmptyFileOrOneTooShortForItsTestDoesNotCount) {
    for (const ExpectedImage image : {ExpectedImage::FlashPackage, ExpectedImage::BootImage,
                                      ExpectedImage::RecoveryImage, ExpectedImage::SystemImage}) {
        EXPECT_TRUE(imageWarning(image, Bytes{}));
    }
    EXPECT_TRUE(imageWarning(ExpectedImage::FlashPackage, Bytes{0x50, 0x4B, 0x03}));
    EXPECT_TRUE(imageWarning(ExpectedImage::BootImage, Bytes{'A', 'N', 'D', 'R', 'O', 'I', 'D'}));
    EXPECT_TRUE(imageWarning(ExpectedImage::SystemImage, Bytes{0x3A, 0xFF, 0x26}));
    EXPECT_TRUE(imageWarning(ExpectedImage::SystemImage,
                             Bytes(kExt4Image.begin(), kExt4Image.begin() + 1081)));
    EXPECT_TRUE(imageWarning(ExpectedImage::SystemImage,
                             Bytes(kErofsImage.begin(), kErofsImage.begin() + 1027)));
    // One byte more and each counts.
    EXPECT_FALSE(imageWarning(ExpectedImage::SystemImage,
                              Bytes(kExt4Image.begin(), kExt4Image.begin() + 1082)));
    EXPECT_FALSE(imageWarning(ExpectedImage::SystemImage,
                              Bytes(kErofsImage.begin(), kErofsImage.begin() + 1028)));
}

TEST(ImageCheckTest, ABootImageMagicLaterInTheFileDoesNotCount) {
    EXPECT_TRUE(imageWarning(ExpectedImage::BootImage,
                             withBytesAt(64, 1, {'A', 'N', 'D', 'R', 'O', 'I', 'D', '!'})));
}

}  // namespace
}  // namespace vantrel
