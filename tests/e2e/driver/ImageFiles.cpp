#include "driver/ImageFiles.h"

#include <string_view>

namespace e2e {
namespace {

using namespace std::string_view_literals;

constexpr size_t kSuperblockOffset = 1024;

// Zeros, with the bytes at that offset.
std::string withBytesAt(size_t size, size_t offset, std::string_view bytes) {
    std::string file(size, '\0');
    file.replace(offset, bytes.size(), bytes);
    return file;
}

}  // namespace

std::string bootImage() {
    return withBytesAt(2048, 0, "ANDROID!\x00\x80\x00\x00\x00\x80\x00\x10"sv);
}

std::string initBootImage() {
    return withBytesAt(2048, 0, "ANDROID!\x00\x00\x00\x00\x00\x00\x00\x00"sv);
}

std::string sparseImage() {
    return std::string("\x3A\xFF\x26\xED\x01\x00\x00\x00\x1C\x00\x0C\x00\x00\x10\x00\x00"sv);
}

std::string ext4Image() {
    // The magic number lies 56 bytes into the superblock.
    return withBytesAt(8192, kSuperblockOffset + 56, "\x53\xEF\x01\x00"sv);
}

std::string erofsImage() {
    return withBytesAt(8192, kSuperblockOffset, "\xE2\xE1\xF5\xE0\x00\x00\x00\x00"sv);
}

std::string zipArchive() {
    return std::string("PK\x03\x04\x14\x00\x08\x08\x08\x00"sv) + "META-INF/com/google/android/";
}

std::string gzipArchive() {
    return std::string("\x1F\x8B\x08\x00\x00\x00\x00\x00\x00\x03"sv);
}

}  // namespace e2e
