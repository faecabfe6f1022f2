#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "win32/common/WideText.h"
#include "win32/platform/Win32Platform.h"

namespace vantrel::win32 {
namespace {

// A fresh folder under the temporary folder, removed with its contents afterwards.
class FileSystemTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = std::filesystem::temp_directory_path() /
                ("vantrel-win32-test-" + std::to_string(GetCurrentProcessId()));
        ASSERT_TRUE(std::filesystem::create_directory(root_));
    }

    void TearDown() override {
        // Hidden and system files go like any other; only read-only ones would resist.
        std::filesystem::remove_all(root_);
    }

    std::u16string path(std::u16string_view name) const {
        return utf16(root_.wstring()) + u"\\" + std::u16string(name);
    }

    std::u16string makeFile(std::u16string_view name, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
        const std::u16string file = path(name);
        std::ofstream(std::filesystem::path(wide(file))) << "content";
        EXPECT_TRUE(SetFileAttributesW(wide(file).c_str(), attributes));
        return file;
    }

    Win32Platform platform_;
    std::filesystem::path root_;
};

TEST_F(FileSystemTest, EntryKindTellsFilesFoldersAndHiddenOrSystemEntriesApart) {
    EXPECT_EQ(platform_.entryKind(makeFile(u"update.zip")), EntryKind::OrdinaryFile);
    EXPECT_EQ(platform_.entryKind(makeFile(u"hidden.img", FILE_ATTRIBUTE_HIDDEN)),
              EntryKind::HiddenOrSystem);
    EXPECT_EQ(platform_.entryKind(makeFile(u"system.img", FILE_ATTRIBUTE_SYSTEM)),
              EntryKind::HiddenOrSystem);
    EXPECT_EQ(platform_.entryKind(utf16(root_.wstring())), EntryKind::Directory);
    EXPECT_EQ(platform_.entryKind(path(u"missing.img")), EntryKind::Missing);
    EXPECT_EQ(platform_.entryKind(path(u"no folder\\boot.img")), EntryKind::Missing);
}

TEST_F(FileSystemTest, EntryKindOfAHiddenFolderIsHiddenOrSystem) {
    const std::u16string folder = path(u"qd");
    ASSERT_TRUE(CreateDirectoryW(wide(folder).c_str(), nullptr));
    SetFileAttributesW(wide(folder).c_str(), FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(platform_.entryKind(folder), EntryKind::HiddenOrSystem);
}

TEST_F(FileSystemTest, CreateDirectoryCountsAnExistingFolderButNotAFile) {
    const std::u16string folder = path(u"qd");
    EXPECT_TRUE(platform_.createDirectory(folder));
    EXPECT_TRUE(platform_.createDirectory(folder));
    EXPECT_EQ(platform_.entryKind(folder), EntryKind::Directory);

    EXPECT_FALSE(platform_.createDirectory(makeFile(u"file")));
    EXPECT_FALSE(platform_.createDirectory(path(u"no folder\\qd")));
}

TEST_F(FileSystemTest, RemoveEmptyDirectoryLeavesAFolderWithFiles) {
    const std::u16string folder = path(u"qd");
    ASSERT_TRUE(platform_.createDirectory(folder));
    makeFile(u"qd\\inside.txt");
    EXPECT_FALSE(platform_.removeEmptyDirectory(folder));
    EXPECT_EQ(platform_.entryKind(folder), EntryKind::Directory);

    ASSERT_TRUE(platform_.deleteFile(path(u"qd\\inside.txt")));
    EXPECT_TRUE(platform_.removeEmptyDirectory(folder));
    EXPECT_EQ(platform_.entryKind(folder), EntryKind::Missing);
    EXPECT_FALSE(platform_.removeEmptyDirectory(folder));
}

TEST_F(FileSystemTest, DeleteFileRemovesAFileOnly) {
    const std::u16string file = makeFile(u"qd");
    EXPECT_TRUE(platform_.deleteFile(file));
    EXPECT_EQ(platform_.entryKind(file), EntryKind::Missing);
    EXPECT_FALSE(platform_.deleteFile(file));

    ASSERT_TRUE(platform_.createDirectory(file));
    EXPECT_FALSE(platform_.deleteFile(file));
}

}  // namespace
}  // namespace vantrel::win32
