#pragma once

#include <windows.h>

// How the driver and the probe, which runs inside vantrel.exe, talk.
//
// probehost.exe hooks the program's UI thread with the probe's probeHook and
// posts one request to the main window, wParam = the driver's receiving
// window. The probe answers with one WM_COPYDATA to that window:
// - kReadMenuBarMessage: dwData = kMenuBarData, UTF-16 lines, one per menu
//   entry, depth first:
//     depth \t id \t fType \t fState \t has-submenu(0/1) \t caption \n
//   depth 0 is a menu of the bar, depth 1 an item of that menu.
// - kDropFileMessage, lParam = a global atom that holds a full path: the probe
//   hands the main window a WM_DROPFILES with that one path, the block built
//   as Explorer builds it, and once the window has handled it answers with
//   dwData = kFileDroppedData and no data.
namespace probe {

inline constexpr wchar_t kReadMenuBarMessage[] = L"Vantrel.E2E.ReadMenuBar";
inline constexpr wchar_t kDropFileMessage[] = L"Vantrel.E2E.DropFile";
inline constexpr ULONG_PTR kMenuBarData = 0x4D454E55;      // "MENU"
inline constexpr ULONG_PTR kFileDroppedData = 0x44524F50;  // "DROP"
inline constexpr char kHookProcName[] = "probeHook";

}  // namespace probe
