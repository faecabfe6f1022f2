#pragma once

#include <string>

namespace e2e {

// The program's work folder C:\ADB (in Wine: $WINEPREFIX/drive_c/ADB).
inline constexpr wchar_t kWorkFolder[] = L"C:\\ADB";

// One entry of the work folder, put there for a check in the given form and
// removed again afterwards; any entry of that name is removed first.
class WorkFolderEntry {
  public:
    enum class Form { OrdinaryFile, Folder, HiddenFile, SystemFile, HiddenFolder, SystemFolder };

    WorkFolderEntry(std::wstring name, Form form);
    ~WorkFolderEntry();
    WorkFolderEntry(const WorkFolderEntry&) = delete;
    WorkFolderEntry& operator=(const WorkFolderEntry&) = delete;

  private:
    std::wstring path_;
};

// Makes sure that no entry of this name is in the work folder.
void removeFromWorkFolder(const std::wstring& name);

// Makes sure that the program opens no console at start-up (the marker C:\adb\qd).
void removeAutoStartMarker();

}  // namespace e2e
