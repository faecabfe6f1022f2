#include "window/win32/MainMenu.h"

#include "platform/win32/WideText.h"
#include "window/FormLayout.h"

namespace vantrel::win32 {

UniqueMenu createMenuBar() {
    UniqueMenu bar(CreateMenu());
    for (const MenuSpec& menu : menuBar()) {
        UniqueMenu popup(CreatePopupMenu());
        for (const MenuItemSpec& item : menu.items) {
            AppendMenuW(popup.get(), MF_STRING, static_cast<UINT_PTR>(item.id),
                        wide(item.caption).c_str());
        }
        if (AppendMenuW(bar.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(popup.get()),
                        wide(menu.caption).c_str())) {
            popup.release();  // the menu bar owns it now
        }
    }
    return bar;
}

}  // namespace vantrel::win32
