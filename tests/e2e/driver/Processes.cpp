#include "driver/Processes.h"

#include <tlhelp32.h>

#include <algorithm>

#include "driver/Units.h"
#include "win32/common/UniqueHandles.h"

namespace e2e {

using vantrel::win32::UniqueHandle;

namespace {

std::set<DWORD> difference(const std::set<DWORD>& now, const std::set<DWORD>& before) {
    std::set<DWORD> added;
    std::ranges::set_difference(now, before, std::inserter(added, added.end()));
    return added;
}

void endProcess(DWORD processId) {
    const UniqueHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId));
    if (process) {
        TerminateProcess(process.get(), 0);
        WaitForSingleObject(process.get(), 5000);
    }
}

}  // namespace

std::set<DWORD> processesNamed(const std::wstring& exeName) {
    std::set<DWORD> found;
    HANDLE taken = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (taken == INVALID_HANDLE_VALUE) {
        return found;
    }
    const UniqueHandle snapshot(taken);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(taken, &entry); more; more = Process32NextW(taken, &entry)) {
        if (equalIgnoringCase(entry.szExeFile, exeName)) {
            found.insert(entry.th32ProcessID);
        }
    }
    return found;
}

std::wstring processImagePath(DWORD processId) {
    const UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    wchar_t path[MAX_PATH] = {};
    DWORD length = MAX_PATH;
    if (!process || !QueryFullProcessImageNameW(process.get(), 0, path, &length)) {
        return {};
    }
    return std::wstring(path, length);
}

NewCommandInterpreters::NewCommandInterpreters()
    : before_(processesNamed(L"cmd.exe")), consoleHostsBefore_(processesNamed(L"conhost.exe")) {}

NewCommandInterpreters::~NewCommandInterpreters() {
    for (const DWORD processId : started()) {
        endProcess(processId);
    }
    // The console hosts of those consoles go with them.
    for (const DWORD processId : difference(processesNamed(L"conhost.exe"), consoleHostsBefore_)) {
        endProcess(processId);
    }
}

std::set<DWORD> NewCommandInterpreters::started() const {
    return difference(processesNamed(L"cmd.exe"), before_);
}

}  // namespace e2e
