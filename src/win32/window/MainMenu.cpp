#include "win32/window/MainMenu.h"

#include "app/WindowLayout.h"
#include "win32/common/WideText.h"

namespace vantrel::win32 {

UniqueMenu createMenuBar() {
    UniqueMenu bar(CreateMenu());
    if (!bar) {
        return nullptr;
    }
    for (const MenuDefinition& menu : menuBar()) {
        UniqueMenu popup(CreatePopupMenu());
        if (!popup) {
            return nullptr;
        }
        for (const MenuItemDefinition& item : menu.items) {
            if (!AppendMenuW(popup.get(), MF_STRING, static_cast<UINT_PTR>(item.id),
                             wide(item.caption).c_str())) {
                return nullptr;
            }
        }
        if (!AppendMenuW(bar.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(popup.get()),
                         wide(menu.caption).c_str())) {
            return nullptr;
        }
        popup.release();  // the menu bar owns it now
    }
    return bar;
}

}  // namespace vantrel::win32
