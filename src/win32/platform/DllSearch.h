#pragma once

namespace vantrel::win32 {

// From now on, DLLs that the process loads by name come from the system
// folder only, never from the program's folder or the current one, so a DLL
// planted beside vantrel.exe is never loaded. Windows 7 without update
// KB2533623 cannot do this; there the search stays as it was. True when the
// search is restricted.
bool searchDllsInSystemFolderOnly();

}  // namespace vantrel::win32
