#include "driver/BrokenConsolePrograms.h"

#include <windows.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "driver/FileWriting.h"

namespace e2e {
namespace {

constexpr wchar_t kOriginalSuffix[] = L".vantrel-e2e-original";
constexpr std::string_view kNotAProgram = "not a program: vantrel e2e check\r\n";

std::vector<std::wstring> systemFolders() {
    std::vector<std::wstring> folders;
    wchar_t folder[MAX_PATH] = {};
    if (GetSystemDirectoryW(folder, MAX_PATH) != 0) {
        folders.emplace_back(folder);
    }
    if (GetSystemWow64DirectoryW(folder, MAX_PATH) != 0) {
        folders.emplace_back(folder);
    }
    return folders;
}

std::vector<std::wstring> consolePrograms() {
    std::vector<std::wstring> programs;
    for (const std::wstring& folder : systemFolders()) {
        for (const wchar_t* name : {L"cmd.exe", L"conhost.exe"}) {
            programs.push_back(folder + L"\\" + name);
        }
    }
    return programs;
}

std::wstring originalOf(const std::wstring& program) {
    return program + kOriginalSuffix;
}

bool exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

void restoreConsolePrograms() {
    for (const std::wstring& program : consolePrograms()) {
        const std::wstring original = originalOf(program);
        if (exists(original) &&
            !MoveFileExW(original.c_str(), program.c_str(), MOVEFILE_REPLACE_EXISTING)) {
            throw std::runtime_error("could not put an original cmd.exe or conhost.exe back");
        }
    }
}

BrokenConsolePrograms::BrokenConsolePrograms() {
    restoreConsolePrograms();
    try {
        for (const std::wstring& program : consolePrograms()) {
            if (!exists(program)) {
                continue;  // SysWOW64 holds them only where 32-bit programs run
            }
            if (!MoveFileExW(program.c_str(), originalOf(program).c_str(), 0)) {
                throw std::runtime_error("could not set an original cmd.exe or conhost.exe aside");
            }
            writeFile(program, kNotAProgram, CREATE_NEW,
                      "could not put a file that is not a program in a system folder");
        }
    } catch (...) {
        restoreConsolePrograms();
        throw;
    }
}

BrokenConsolePrograms::~BrokenConsolePrograms() {
    try {
        restoreConsolePrograms();
    } catch (const std::exception&) {
        // The next run puts them back before it needs them.
    }
}

}  // namespace e2e
