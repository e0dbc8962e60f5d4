#include "options/window_pages_win.h"

#include "options_ids.h"

CSetNewWindow::CSetNewWindow(brisova::WindowOptionValues& v) : CPropertyPage(IDD_SET_NEW_WINDOW) {
    BindRadio({IDC_NEW_BLANK_PAGE, IDC_NEW_CURRENT_PAGE, IDC_NEW_HOME_PAGE}, v.newButtonType);
    BindCheck(IDC_ADDRESS_NEW_WINDOW, v.addressNewWindow);
    BindCheck(IDC_SEARCH_NEW_WINDOW, v.searchNewWindow);
    BindCheck(IDC_FAV_NEW_WINDOW, v.favNewWindow);
    BindCheck(IDC_HIS_NEW_WINDOW, v.hisNewWindow);
    BindCheck(IDC_INFO_NEW_WINDOW, v.infoNewWindow);
    BindRadio({IDC_FOREGROUND, IDC_BACKGROUND}, v.placement);
}

CSetCloseWindow::CSetCloseWindow(brisova::WindowOptionValues& v) : CPropertyPage(IDD_SET_CLOSE_WINDOW) {
    BindCheck(IDC_MOUSE_CLOSE_WINDOW, v.mouseCloseWindow);
    BindCheck(IDC_MOUSE_DOUBLE_CLOSE_WINDOW, v.mouseDoubleCloseWindow);
}

CSetMouse::CSetMouse(brisova::WindowOptionValues& v) : CPropertyPage(IDD_SET_MOUSE) {
    BindCheck(IDC_ENABLE_MOUSE_MIDDLE, v.enableMouseMiddle);
    BindCheck(IDC_ENABLE_MOUSE_BACK, v.enableMouseBack);
}
