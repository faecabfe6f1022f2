// 线刷's rules, on lines of the vendors' flash scripts and on near misses.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <tuple>

#include "Fakes.h"
#include "actions/FlashScript.h"

namespace vantrel::testing {
namespace {

TEST(FlashScriptTest, OnlyAVendorScriptOnAPlainAsciiPathIsTaken) {
    const std::tuple<std::u16string, bool, bool> paths[] = {
        // a script's name, a plain path
        {u"C:\\ROM\\venus_global_V14.0.5.0-13\\FLASH_ALL_EXCEPT_STORAGE.bat", true, true},
        {u"C:\\ROM\\venus\\flash_all.cmd", false, true},
        {u"C:\\ROM\\my rom\\flash_all_lock.bat", true, false},
        {u"D:\\下载\\flash_all.bat", true, false},
        {u"C:\\ROM\\a&b\\flash_all_except_data.bat", true, false},
    };
    for (const auto& [path, name, plain] : paths) {
        EXPECT_EQ(isFlashScriptName(path), name) << utf8(path);
        EXPECT_EQ(isPlainAsciiPath(path), plain) << utf8(path);
    }
    EXPECT_EQ(imagesFolderBeside(u"C:\\ROM\\venus\\flash_all.bat"), u"C:\\ROM\\venus\\images");
}

TEST(FlashScriptTest, TheLinesThatRunFastbootTellWhatTheScriptDoes) {
    const struct {
        std::string_view text;
        bool erases;
        bool locks;
        std::u16string_view product;
    } rows[] = {
        {"fastboot %* getvar product 2>&1 | findstr /r /c:\"^product: *venus\" || echo Mis\r\n"
         "fastboot %* flash boot %~dp0images\\boot.img || @echo \"Flash boot error\" && exit 1\r\n",
         false, false, u"venus"},
        {"fastboot %* erase userdata\r\n", true, false, u"未知"},
        {"fastboot %* erase METADATA", true, false, u"未知"},
        {"FASTBOOT %* -w\r\n", true, false, u"未知"},
        {"rem userdata -w oem lock\r\nfastboot %* -wipe\r\n", false, false, u"未知"},
        {"fastboot %* oem lock\r\n", false, true, u"未知"},
        {"fastboot %* erase userdata\nfastboot %* flashing lock\n", true, true, u"未知"},
        {"fastboot %* flashing unlock\r\nfastboot %* oem unlock\r\n", false, false, u"未知"},
        {"fastboot getvar product\r\nfastboot getvar product|findstr \"product: venus\"", false,
         false, u"未知"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        const FlashScriptEffects effects = flashScriptEffects(
            std::span(reinterpret_cast<const std::uint8_t*>(row.text.data()), row.text.size()));
        EXPECT_EQ(effects.erasesData, row.erases);
        EXPECT_EQ(effects.locks, row.locks);
        EXPECT_EQ(utf8(effects.product), utf8(row.product));
        // A warning for erasing, and one more for locking; else a confirmation.
        const auto boxes = flashScriptBoxes(u"C:\\ROM\\flash_all.bat", effects);
        EXPECT_EQ(std::ranges::count_if(
                      boxes, [](const ScriptBox& box) { return box.kind == BoxKind::Warning; }),
                  (row.erases || row.locks ? 1 : 0) + (row.locks ? 1 : 0));
    }
}

}  // namespace
}  // namespace vantrel::testing
