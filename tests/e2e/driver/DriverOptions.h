#pragma once

#include <string>
#include <string_view>

namespace e2e {

// Where the program under test lies: the option --vantrel=PATH, else the
// environment variable VANTREL_EXE. A Windows path (under Wine: see winepath -w).
const std::wstring& vantrelPath();
void setVantrelPath(std::wstring path);

// Where the 32-bit probe and its host lie, for a 32-bit vantrel.exe: the
// option --probes-32=FOLDER (a Windows path); empty when not given.
const std::wstring& probeFolder32();
void setProbeFolder32(std::wstring folder);

// The full path of a file that the build puts beside the driver.
std::wstring besideDriver(std::wstring_view fileName);

}  // namespace e2e
