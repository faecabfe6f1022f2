#pragma once

#include <string>

namespace e2e {

// The first bytes of the files that the flashes and the sideload send, as
// the tools that make them write them, and of a file people mistake for them.
std::string bootImage();      // "ANDROID!" and a boot image header
std::string initBootImage();  // a boot image header without a kernel, as init_boot has
std::string sparseImage();    // an Android sparse image header
std::string ext4Image();      // an ext4 superblock at 1024
std::string erofsImage();     // an EROFS superblock at 1024
std::string zipArchive();     // a zip archive's first local header
std::string gzipArchive();    // what a download of a .tgz holds

}  // namespace e2e
