#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace vantrel::win32 {

// The full paths in a WM_DROPFILES message's file list, which is freed here;
// none when the list is damaged.
// The list is read as the documented DROPFILES block rather than through
// shell32, which the program would otherwise load at every start.
std::vector<std::u16string> takeDroppedFiles(HGLOBAL drop);

}  // namespace vantrel::win32
