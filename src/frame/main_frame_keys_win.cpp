// The frame's keys: which part of the program a key pressed anywhere in the frame goes to, and
// where the focus goes when the frame becomes active.
#include "frame/main_frame_win.h"

#include <optional>

#include "address_bar/field_keys.h"
#include "browser/child_frame_win.h"
#include "tab_bar/tab_keys.h"

bool CMainFrame::PreTranslateMessage(MSG* msg) {
    // A key or a button the user presses may ask for what the start has not completed yet.
    switch (msg->message) {
    case WM_KEYDOWN: case WM_SYSKEYDOWN: case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_MOUSEWHEEL: CompleteStartup(); break;
    default: break;
    }
    fullScreen_.TrackMouse(*msg);
    if (menuBar_.TranslateFrameMessage(msg)) return true;
    const bool pressed = msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN;
    const bool released = msg->message == WM_KEYUP || msg->message == WM_SYSKEYUP;
    if (!pressed && !released) return CMDIFrameWnd::PreTranslateMessage(msg);
    const brisova::KeyPress press{static_cast<unsigned>(msg->wParam), ::GetKeyState(VK_CONTROL) < 0,
                                  ::GetKeyState(VK_SHIFT) < 0, (msg->lParam & (1 << 29)) != 0};
    if (brisova::AsksForContextMenu(press, released)) {
        ::SendMessageA(msg->hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(msg->hwnd), MAKELPARAM(-1, -1));
        return true;
    }
    if (released) return CMDIFrameWnd::PreTranslateMessage(msg);
    if (brisova::IsAddressFieldKey(press) && addressBar_.IsWindowVisible()) {
        if (press.key == brisova::kKeyF6 && addressBar_.HasFocus()) FocusActiveControl();
        else addressBar_.FocusField();
        return true;
    }
    // The tab keys go by the tab bar's order, before the system's MDI keys take Ctrl+Tab.
    if (msg->message == WM_KEYDOWN && brisova::IsTabKey(press)) {
        const int selected = tabBar_.Selection(), count = tabBar_.Count();
        if (std::optional<int> place = brisova::TabMoveForKey(press, selected, count))
            tabBar_.MoveTab(selected, *place);
        else if (std::optional<int> tab = brisova::TabForKey(press, selected, count))
            ActivateTab(*tab);
        return true;
    }
    // An edit with the focus keeps its editing keys; the accelerators on them act on the page.
    if (msg->message == WM_KEYDOWN && brisova::IsEditingKey(press) && FocusIsEdit()) return false;
    return CMDIFrameWnd::PreTranslateMessage(msg);
}

bool CMainFrame::FocusIsEdit() {
    char name[16] = {};
    HWND focus = ::GetFocus();
    return focus && ::GetClassNameA(focus, name, sizeof name) && lstrcmpiA(name, "Edit") == 0;
}

LRESULT CMainFrame::OnActivate(WPARAM wParam, LPARAM) {
    LRESULT result = Default();
    if (LOWORD(wParam) != WA_INACTIVE) FocusActiveControl();
    return result;
}

void CMainFrame::FocusActiveControl() const {
    if (CBrisovaView* view = ActiveBrowserView(); view && view->ControlWindow()) ::SetFocus(view->ControlWindow());
}
