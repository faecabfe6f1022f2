#pragma once

#include <windows.h>

#include <set>
#include <string>

namespace e2e {

// The ids of the running processes whose program file has this name (say "cmd.exe").
std::set<DWORD> processesNamed(const std::wstring& exeName);

// The full path of a running process's program file; empty when it cannot be read.
std::wstring processImagePath(DWORD processId);

// The command interpreters started while it lives: it notes those running
// when it is made, and ends the ones that came later when it goes (the
// consoles that the program under test opened).
class NewCommandInterpreters {
  public:
    NewCommandInterpreters();
    ~NewCommandInterpreters();
    NewCommandInterpreters(const NewCommandInterpreters&) = delete;
    NewCommandInterpreters& operator=(const NewCommandInterpreters&) = delete;

    std::set<DWORD> started() const;

  private:
    std::set<DWORD> before_;
    std::set<DWORD> consoleHostsBefore_;
};

}  // namespace e2e
