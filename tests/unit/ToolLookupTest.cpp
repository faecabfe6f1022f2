// Where a console that the program opens finds adb and fastboot: the work
// folder it starts in, then the folders of the PATH it inherits.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Fakes.h"
#include "app/ToolLookup.h"

namespace vantrel {
namespace {

using testing::FakePlatform;
using testing::utf8;

struct LookupCase {
    const char* name;
    std::vector<std::u16string> files;  // ordinary files
    std::optional<std::u16string> path;
    MissingTools missing;
};

const LookupCase kCases[] = {
    {"nothing anywhere", {}, std::nullopt, {true, true}},
    {"both in the work folder", {u"C:\\ADB\\adb.exe", u"C:\\ADB\\fastboot.exe"}, u"", {}},
    {"names ignore case", {u"c:\\adb\\ADB.EXE", u"C:\\Adb\\Fastboot.Exe"}, std::nullopt, {}},
    {"one in the work folder, one on PATH",
     {u"C:\\ADB\\adb.exe", u"D:\\tools\\fastboot.exe"},
     u"C:\\Windows\\system32;D:\\tools",
     {}},
    {"quoted entries and a trailing backslash",
     {u"C:\\Program Files\\pt\\adb.exe", u"E:\\sdk\\fastboot.exe"},
     u"\"C:\\Program Files\\pt\";E:\\sdk\\",
     {}},
    {"empty entries are skipped, not read as the current folder",
     {u"\\adb.exe", u"adb.exe", u"\\fastboot.exe"},
     u";;\"\";C:\\Windows",
     {true, true}},
    {"only on PATH entries that are not there", {u"D:\\tools\\adb.exe"}, u"D:\\tool", {true, true}},
    {"adb alone", {u"D:\\pt\\adb.exe"}, u"D:\\pt", {false, true}},
    {"fastboot alone", {u"C:\\ADB\\fastboot.exe"}, std::nullopt, {true, false}},
};

TEST(ToolLookupTest, AToolIsFoundInTheWorkFolderOrAFolderOfPath) {
    for (const LookupCase& c : kCases) {
        SCOPED_TRACE(c.name);
        FakePlatform platform;
        for (const std::u16string& file : c.files) {
            platform.setEntry(file, EntryKind::OrdinaryFile);
        }
        if (c.path) {
            platform.environment[u"PATH"] = *c.path;
        }
        EXPECT_EQ(missingTools(platform), c.missing);
    }
}

// A console runs neither a folder nor, here, a hidden file as a tool.
TEST(ToolLookupTest, OnlyAnOrdinaryFileCounts) {
    for (const EntryKind kind : {EntryKind::Directory, EntryKind::HiddenOrSystem}) {
        FakePlatform platform;
        platform.setEntry(u"C:\\ADB\\adb.exe", kind);
        platform.setEntry(u"C:\\ADB\\fastboot.exe", EntryKind::OrdinaryFile);
        EXPECT_EQ(missingTools(platform), (MissingTools{true, false}));
    }
}

}  // namespace
}  // namespace vantrel
