#include "framework/menu_helpers_win.h"

HMENU FindSubMenu(HMENU menu, const std::string& text) {
    if (!menu) return nullptr;
    int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char item[257] = {};
        ::GetMenuStringA(menu, i, item, 256, MF_BYPOSITION);
        if (text == item) return ::GetSubMenu(menu, i);
    }
    return nullptr;
}
