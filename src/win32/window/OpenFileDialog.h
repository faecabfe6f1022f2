#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "ports/View.h"
#include "win32/common/UniqueHandles.h"

namespace vantrel::win32 {

// The system's Open dialog. Its DLL, comdlg32.dll, is loaded from the system
// folder when the first dialog opens, never at start: most runs need none,
// and the program imports nothing beyond what every start uses.
class OpenFileDialog {
  public:
    // The chosen file's full path; nothing on Cancel, or when the dialog
    // could not be shown.
    std::optional<std::u16string> show(HWND owner, const FileChoice& choice);

  private:
    UniqueModule comdlg32_;
};

}  // namespace vantrel::win32
