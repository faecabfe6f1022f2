// Where a console that the program opens finds adb and fastboot: the work
// folder it starts in, then the folders of the PATH it inherits.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Fakes.h"
#include "app/ToolLookup.h"

namespace vantrel {
namespace {

struct Entry {
    std::u16string path;
    EntryKind kind = EntryKind::OrdinaryFile;
};

struct LookupCase {
    const char* name;
    std::vector<Entry> entries;
    std::optional<std::u16string> path;
    MissingTools missing;
};

const LookupCase kCases[] = {
    {"nothing anywhere", {}, std::nullopt, {true, true}},
    {"names ignore case", {{u"c:\\adb\\ADB.EXE"}, {u"C:\\Adb\\Fastboot.Exe"}}, u"", {}},
    {"one on PATH, after a folder without it",
     {{u"C:\\ADB\\adb.exe"}, {u"D:\\tools\\fastboot.exe"}},
     u"C:\\Windows\\system32;D:\\tools",
     {}},
    {"quoted entries and a trailing backslash",
     {{u"C:\\Program Files\\pt\\adb.exe"}, {u"E:\\sdk\\fastboot.exe"}},
     u"\"C:\\Program Files\\pt\";E:\\sdk\\",
     {}},
    {"empty entries are skipped, not read as the current folder",
     {{u"\\adb.exe"}, {u"adb.exe"}, {u"\\fastboot.exe"}},
     u";;\"\";C:\\Windows",
     {true, true}},
    {"a folder or a hidden file is no tool",
     {{u"C:\\ADB\\adb.exe", EntryKind::Directory},
      {u"C:\\ADB\\fastboot.exe", EntryKind::HiddenOrSystem}},
     std::nullopt,
     {true, true}},
    {"adb alone", {{u"D:\\pt\\adb.exe"}}, u"D:\\tool;D:\\pt", {false, true}},
    {"fastboot alone", {{u"C:\\ADB\\fastboot.exe"}}, std::nullopt, {true, false}},
};

TEST(ToolLookupTest, AToolIsAnOrdinaryFileInTheWorkFolderOrAFolderOfPath) {
    for (const LookupCase& c : kCases) {
        SCOPED_TRACE(c.name);
        testing::FakePlatform platform;
        for (const Entry& entry : c.entries) {
            platform.setEntry(entry.path, entry.kind);
        }
        if (c.path) {
            platform.environment[u"PATH"] = *c.path;
        }
        EXPECT_EQ(missingTools(platform), c.missing);
    }
}

}  // namespace
}  // namespace vantrel
