// Files dropped onto the main window, as Explorer hands them over: a
// WM_DROPFILES message with a DROPFILES block that the window must free.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "win32/common/WideText.h"
#include "win32/platform/Win32Platform.h"
#include "win32/window/MainWindow.h"

namespace vantrel::win32 {
namespace {

// The block Explorer builds: the header, then each name ended by a zero, then one more zero.
template <class Char>
HGLOBAL dropBlock(const std::vector<std::basic_string<Char>>& names) {
    std::vector<Char> list;
    for (const auto& name : names) {
        list.insert(list.end(), name.begin(), name.end());
        list.push_back(0);
    }
    list.push_back(0);
    const SIZE_T bytes = sizeof(DROPFILES) + list.size() * sizeof(Char);
    const HGLOBAL block = GlobalAlloc(GHND, bytes);
    auto* header = static_cast<DROPFILES*>(GlobalLock(block));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = sizeof(Char) == sizeof(wchar_t);
    std::memcpy(reinterpret_cast<BYTE*>(header) + sizeof(DROPFILES), list.data(),
                list.size() * sizeof(Char));
    GlobalUnlock(block);
    return block;
}

class FileDropTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(window_->created());
        root_ = std::filesystem::temp_directory_path() / L"vantrel-drops";
        std::filesystem::create_directories(root_ / L"folder.apk");
    }

    void TearDown() override {
        window_.reset();
        std::filesystem::remove_all(root_);
        // Closing the window ends the program's message loop, which the test does not run.
        MSG quit;
        PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }

    std::wstring file(const std::wstring& name) const {
        const std::filesystem::path path = root_ / name;
        std::ofstream(path) << "PK";
        return path.wstring();
    }

    template <class Char>
    void drop(const std::vector<std::basic_string<Char>>& names) {
        PostMessageW(window_->handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(dropBlock(names)),
                     0);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
    }

    std::wstring text1() const {
        return wide(windowText(GetDlgItem(window_->handle(), kStatusBox)));
    }
    bool installModeSelected() const { return window_->isSelected(Mode::Install); }

    Win32Platform platform_;
    std::optional<MainWindow> window_{std::in_place, GetModuleHandleW(nullptr), platform_};
    std::filesystem::path root_;
};

TEST_F(FileDropTest, TheWindowTakesDroppedFiles) {
    const auto exStyle = GetWindowLongPtrW(window_->handle(), GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_ACCEPTFILES);
}

TEST_F(FileDropTest, OneApkWithABlankAndChineseInItsPathSelectsInstallModeQuoted) {
    const std::wstring apk = file(L"应用 商店.apk");
    drop<wchar_t>({apk});
    EXPECT_TRUE(installModeSelected());
    EXPECT_EQ(text1(), L"\"" + apk + L"\"");
}

TEST_F(FileDropTest, AnApkInCapitalsCountsToo) {
    const std::wstring apk = file(L"MAGISK.APK");
    drop<wchar_t>({apk});
    EXPECT_TRUE(installModeSelected());
    EXPECT_EQ(text1(), apk);
}

TEST_F(FileDropTest, AListFromAnAnsiProgramIsReadInItsCodePage) {
    const std::wstring apk = file(L"X-llq.apk");
    drop<char>({std::filesystem::path(apk).string()});
    EXPECT_TRUE(installModeSelected());
    EXPECT_EQ(text1(), apk);
}

TEST_F(FileDropTest, TwoFilesATextFileAFolderOrAMissingFileOnlySayWhatToDrop) {
    const std::vector<std::vector<std::wstring>> drops{{file(L"a.apk"), file(L"b.apk")},
                                                       {file(L"说明.txt")},
                                                       {(root_ / L"folder.apk").wstring()},
                                                       {(root_ / L"missing.apk").wstring()}};
    for (const auto& names : drops) {
        SetWindowTextW(GetDlgItem(window_->handle(), kStatusBox), L"C:\\ADB\\Magisk.apk");
        drop(names);
        EXPECT_FALSE(installModeSelected());
        EXPECT_EQ(text1(), L"请拖入一个.apk文件");
    }
}

}  // namespace
}  // namespace vantrel::win32
