#pragma once

namespace e2e {

// While it lives, every console start fails: cmd.exe and conhost.exe in the
// system folders (System32, and SysWOW64 where it holds them) are files that
// are not programs. A missing file would not do: Wine then starts its
// built-in cmd.exe. The originals are kept beside them under a name of their
// own and put back when it goes. Meant for a test machine or Wine prefix only.
class BrokenConsolePrograms {
  public:
    BrokenConsolePrograms();
    ~BrokenConsolePrograms();
    BrokenConsolePrograms(const BrokenConsolePrograms&) = delete;
    BrokenConsolePrograms& operator=(const BrokenConsolePrograms&) = delete;
};

// Puts back the originals that a run which ended mid-check left aside.
void restoreConsolePrograms();

}  // namespace e2e
