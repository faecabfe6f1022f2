#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace e2e {

// The program's work folder C:\ADB (in Wine: $WINEPREFIX/drive_c/ADB).
inline constexpr wchar_t kWorkFolder[] = L"C:\\ADB";

// One entry of the work folder, put there for a check in the given form and
// removed again afterwards; any entry of that name is removed first.
class WorkFolderEntry {
  public:
    enum class Form { OrdinaryFile, Folder, HiddenFile, SystemFile, HiddenFolder, SystemFolder };

    WorkFolderEntry(std::wstring name, Form form);
    // An ordinary file with this content.
    WorkFolderEntry(std::wstring name, std::string_view content);
    ~WorkFolderEntry();
    WorkFolderEntry(const WorkFolderEntry&) = delete;
    WorkFolderEntry& operator=(const WorkFolderEntry&) = delete;

  private:
    std::wstring path_;
};

// adb.exe and fastboot.exe in the work folder for one scope: without them
// the status bar says that they are missing instead of what it says of the
// phones. Empty files do, since the program only looks for them.
class WorkFolderTools {
  public:
    WorkFolderTools() {
        placeAdb();
        fastboot_.emplace(L"fastboot.exe", "");
    }
    // adb.exe alone goes, as on a first run with half the tools copied, and comes back.
    void removeAdb() { adb_.reset(); }
    void placeAdb() { adb_.emplace(L"adb.exe", ""); }

  private:
    std::optional<WorkFolderEntry> adb_;
    std::optional<WorkFolderEntry> fastboot_;
};

// The work folder moved out of the way for one scope, whatever it holds, and
// put back afterwards.
class WorkFolderAside {
  public:
    WorkFolderAside();
    ~WorkFolderAside();
    WorkFolderAside(const WorkFolderAside&) = delete;
    WorkFolderAside& operator=(const WorkFolderAside&) = delete;
};

// Puts back a work folder that a run ended in the middle of a check left aside.
void restoreWorkFolder();

// Makes sure that no entry of this name is in the work folder.
void removeFromWorkFolder(const std::wstring& name);

// Makes sure that the program opens no console at start-up (the marker C:\adb\qd).
void removeAutoStartMarker();

}  // namespace e2e
