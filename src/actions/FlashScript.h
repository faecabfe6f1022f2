#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ports/View.h"

namespace vantrel {

// 线刷: a vendor's fastboot ROM (线刷包) is flashed through the script that
// it brings, which the user's console runs in a child cmd. These are the
// rules that the chosen script must pass, and what its text tells.

// A script is read whole; a larger file is no flash script.
inline constexpr std::size_t kFlashScriptMaxBytes = std::size_t{1} << 20;

// Why a chosen script cannot run, each with what to do about it.
inline constexpr std::u16string_view kNotAFlashScriptText =
    u"请选择线刷包里的刷机脚本：flash_all.bat、flash_all_except_storage.bat、flash_all_except_data_storage.bat、flash_all_except_data.bat或flash_all_lock.bat。";
inline constexpr std::u16string_view kNoImagesFolderText =
    u"刷机脚本旁边没有images文件夹。请把线刷包完整解压，再选择解压出来的文件夹里的刷机脚本。";
inline constexpr std::u16string_view kPathNotPlainText =
    u"刷机脚本的路径里只能有英文字母、数字和\\:._-，不能有空格、中文或其他符号：刷机脚本会在这样的路径上出错。请把解压出来的文件夹移到简短的路径，例如C:\\ROM\\<机型名>，再选择里面的刷机脚本。";
inline constexpr std::u16string_view kScriptTooLargeText = u"大于1MB，不是线刷包里的刷机脚本。";

// Whether the file's name, ignoring case, is one of the vendor's scripts.
bool isFlashScriptName(std::u16string_view path);
// The folder "images" beside the script, which holds the ROM's images.
std::u16string imagesFolderBeside(std::u16string_view path);
// Whether the path holds only ASCII letters, digits and \ : . _ -, which the
// scripts' unquoted paths and cmd both take as they are.
bool isPlainAsciiPath(std::u16string_view path);

// What the script does, as its lines that run fastboot tell, ignoring case.
struct FlashScriptEffects {
    bool erasesData = false;  // names userdata or metadata, or has the option -w
    bool locks = false;       // "oem lock" or "flashing lock"
    std::u16string product;  // after "product:" on the first "getvar product" line; "未知" without
};
FlashScriptEffects flashScriptEffects(std::span<const std::uint8_t> text);

// A box to be answered Yes before the script runs.
struct ScriptBox {
    std::u16string text;
    BoxKind kind;
    std::u16string_view title;
};
// The confirmation of a script that keeps the data; the warning of one that
// erases it, and after it the warning of locking, each with No as default.
std::vector<ScriptBox> flashScriptBoxes(std::u16string_view path,
                                        const FlashScriptEffects& effects);

// The line that runs the script in a child cmd, which ends with it, so that
// the script's "exit 1" leaves the user's console open; from the work
// folder when there is one, so that its fastboot is found first.
std::u16string flashScriptLine(std::u16string_view path, bool workFolderExists);

}  // namespace vantrel
