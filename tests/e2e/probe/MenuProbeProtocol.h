#pragma once

#include <windows.h>

// How the driver and the menu probe, which runs inside vantrel.exe, talk.
//
// The driver hooks the program's UI thread with the probe's readMenuHook and
// posts kReadMenuBarMessage to the main window, wParam = the driver's
// receiving window. The probe answers with one WM_COPYDATA (dwData =
// kMenuBarData) holding UTF-16 lines, one per menu entry, depth first:
//   depth \t id \t fType \t fState \t has-submenu(0/1) \t caption \n
// depth 0 is a menu of the bar, depth 1 an item of that menu.
namespace menuprobe {

inline constexpr wchar_t kReadMenuBarMessage[] = L"Vantrel.E2E.ReadMenuBar";
inline constexpr ULONG_PTR kMenuBarData = 0x4D454E55;  // "MENU"
inline constexpr char kHookProcName[] = "readMenuHook";

}  // namespace menuprobe
