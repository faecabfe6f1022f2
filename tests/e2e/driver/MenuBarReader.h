#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

struct MenuEntry {
    std::wstring caption;
    UINT id = 0;
    UINT type = 0;   // MFT_* flags
    UINT state = 0;  // MFS_* flags
    bool hasSubmenu = false;
    std::vector<MenuEntry> items;
};

// The program's menu bar, read inside its process by the probe.
std::vector<MenuEntry> readMenuBar(HWND mainWindow);

}  // namespace e2e
