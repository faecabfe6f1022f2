#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace e2e {

// Writes a file with this content: CREATE_ALWAYS replaces one that is there,
// CREATE_NEW fails on it. Throws with the reason given when it cannot be written.
void writeFile(const std::wstring& path, std::string_view content, DWORD disposition,
               const char* failure);

// A file that the user keeps elsewhere than in the work folder, made with
// its folder for one scope; both are removed afterwards.
class FileElsewhere {
  public:
    FileElsewhere(std::wstring folder, const std::wstring& name, std::string_view content);
    ~FileElsewhere();
    FileElsewhere(const FileElsewhere&) = delete;
    FileElsewhere& operator=(const FileElsewhere&) = delete;

    const std::wstring& path() const { return path_; }

  private:
    std::wstring folder_;
    std::wstring path_;
};

}  // namespace e2e
