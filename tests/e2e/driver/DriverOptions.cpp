#include "driver/DriverOptions.h"

#include <windows.h>

#include <cstdlib>
#include <utility>

namespace e2e {
namespace {

std::wstring& storedPath() {
    static std::wstring path = [] {
        const wchar_t* fromEnvironment = _wgetenv(L"VANTREL_EXE");
        return std::wstring(fromEnvironment != nullptr ? fromEnvironment : L"");
    }();
    return path;
}

std::wstring& storedProbeFolder32() {
    static std::wstring folder;
    return folder;
}

}  // namespace

const std::wstring& vantrelPath() {
    return storedPath();
}

void setVantrelPath(std::wstring path) {
    storedPath() = std::move(path);
}

const std::wstring& probeFolder32() {
    return storedProbeFolder32();
}

void setProbeFolder32(std::wstring folder) {
    storedProbeFolder32() = std::move(folder);
}

std::wstring besideDriver(std::wstring_view fileName) {
    wchar_t driverPath[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, driverPath, MAX_PATH);
    const std::wstring path(driverPath);
    return path.substr(0, path.find_last_of(L"\\/") + 1) + std::wstring(fileName);
}

}  // namespace e2e
