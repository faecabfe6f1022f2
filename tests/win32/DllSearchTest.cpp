#include <gtest/gtest.h>
#include <windows.h>

#include "win32/common/UniqueHandles.h"
#include "win32/platform/DllSearch.h"

namespace vantrel::win32 {
namespace {

// The DLL lies beside the test program (tests/win32/planted), as one planted
// beside vantrel.exe would. The restriction holds for the rest of the run,
// as it does in the program.
TEST(DllSearchTest, LoadsNoDllByNameFromTheProgramsFolderOnceRestricted) {
    {
        const UniqueModule planted(LoadLibraryW(L"vantrel_planted.dll"));
        ASSERT_TRUE(planted) << "the planted DLL should be found beside the test program";
    }

    ASSERT_TRUE(searchDllsInSystemFolderOnly());

    const UniqueModule planted(LoadLibraryW(L"vantrel_planted.dll"));
    EXPECT_FALSE(planted);
    const UniqueModule system(LoadLibraryW(L"version.dll"));
    EXPECT_TRUE(system) << "DLLs of the system folder still load by name";
}

}  // namespace
}  // namespace vantrel::win32
