// The frame's menus beyond the menu bar: the pop-ups of the tool bar's drop-down buttons, the
// back and forward lists, and the owner-drawn items of every menu the frame owns.
#include "frame/main_frame_win.h"

#include "browser/child_frame_win.h"
#include "controls/menu_letter.h"
#include "framework/menu_helpers_win.h"
#include "platform/window_dpi_win.h"
#include "resource.h"
#include "shared/ampersand_text.h"

LRESULT CMainFrame::OnInitMenuPopupTrimmed(WPARAM wParam, LPARAM lParam) {
    CPopupCommands::TrimToolsMenu(reinterpret_cast<HMENU>(wParam));
    closedWindows_.OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
    LRESULT result = CFrameWnd::OnInitMenuPopup(wParam, lParam);
    favorites_.OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
    return result;
}

LRESULT CMainFrame::OnMeasureItem(WPARAM, LPARAM lParam) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    const bool measured = measure && measure->CtlType == ODT_MENU && iconMenu_.MeasureItem(*measure, WindowDpi(m_hWnd));
    LRESULT result = Default();
    return measured ? TRUE : result;
}

LRESULT CMainFrame::OnDrawItem(WPARAM, LPARAM lParam) {
    const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    const bool drawn = draw && draw->CtlType == ODT_MENU && iconMenu_.DrawItem(*draw, WindowDpi(m_hWnd));
    LRESULT result = Default();
    return drawn ? TRUE : result;
}

HMENU CMainFrame::ButtonMenu(UINT command) const {
    HMENU main = menuBar_.menu();
    switch (command) {
    case ID_NEW_BUTTON: return FindSubMenu(FindSubMenu(main, "&File"), "&New\tCtrl+N");
    case ID_FONT_BUTTON: return FindSubMenu(FindSubMenu(main, "&View"), "Fo&nts");
    case ID_ENCODING_BUTTON: return FindSubMenu(FindSubMenu(main, "&View"), "Enco&ding");
    case ID_MAIL_BUTTON: return FindSubMenu(FindSubMenu(main, "&Tools"), "&Mail");
    default: return nullptr;
    }
}

namespace {
UINT Alignment(const brisova::MenuAnchor& at) {
    return (at.alignRight ? TPM_RIGHTALIGN : TPM_LEFTALIGN) | TPM_TOPALIGN;
}
}  // namespace

void CMainFrame::ShowButtonMenu(UINT command, const brisova::MenuAnchor& at) {
    if (HMENU menu = ButtonMenu(command)) ::TrackPopupMenu(menu, Alignment(at), at.x, at.y, 0, m_hWnd, nullptr);
}

void CMainFrame::ShowTravelMenu(bool back, const brisova::MenuAnchor& at) {
    CChildFrame* window = ActiveWindow();
    CBrisovaView* view = window ? window->view() : nullptr;
    if (!view || !view->control()) return;
    const HWND windowHandle = window->m_hWnd;
    std::vector<std::string> titles = view->control()->TravelLogTitles(back);
    if (titles.empty()) return;
    ScopedMenu menu(::CreatePopupMenu());
    for (std::size_t i = 0; i < titles.size(); ++i) {
        std::string label = titles[i].empty() ? " " : brisova::DoubleAmpersands(titles[i]);
        ::AppendMenuA(menu.get(), MF_STRING, i + 1, label.c_str());
    }
    int steps = ::TrackPopupMenu(menu.get(), Alignment(at) | TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, 0, m_hWnd,
                                 nullptr);
    if (steps <= 0) return;
    // A page may close its window while the menu is open: the view is looked up again.
    if (!::IsWindow(windowHandle) || !ActiveWindow() || ActiveWindow()->m_hWnd != windowHandle) return;
    view = ActiveWindow()->view();
    if (!view || view->closing()) return;
    if (back) view->GoBack(steps);
    else view->GoForward(steps);
}

void CMainFrame::OnToolBarDropDown(NMHDR* header, LRESULT* result) {
    *result = TBDDRET_DEFAULT;
    auto* info = reinterpret_cast<NMTOOLBARA*>(header);
    RECT button = info->rcButton;
    ::MapWindowPoints(header->hwndFrom, nullptr, reinterpret_cast<POINT*>(&button), 2);
    auto command = static_cast<UINT>(info->iItem);
    const brisova::MenuAnchor at = AnchorFor(header->hwndFrom, button);
    if (command == ID_GO_BACK || command == ID_GO_FORWARD) ShowTravelMenu(command == ID_GO_BACK, at);
    else ShowButtonMenu(command, at);
}

brisova::MenuAnchor CMainFrame::AnchorFor(HWND bar, const RECT& button) const {
    RECT shown{};
    if (bar && ::IsWindowVisible(bar)) ::GetWindowRect(bar, &shown);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoA(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    return brisova::AnchorButtonMenu({button.left, button.top, button.right, button.bottom},
                                     {shown.left, shown.top, shown.right, shown.bottom},
                                     {work.left, work.top, work.right, work.bottom});
}

void CMainFrame::OnMenuButton(UINT id) {
    // The click on the button itself; the button may be cut off, or gone with its bar.
    RECT button{};
    for (HWND bar : commandBars()) {
        int index = static_cast<int>(::SendMessageA(bar, TB_COMMANDTOINDEX, id, 0));
        if (index < 0 || !::SendMessageA(bar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&button))) continue;
        ::MapWindowPoints(bar, nullptr, reinterpret_cast<POINT*>(&button), 2);
        ShowButtonMenu(id, AnchorFor(bar, button));
        return;
    }
    ShowButtonMenu(id, AnchorFor(nullptr, button));
}

LRESULT CMainFrame::OnMenuChar(WPARAM wParam, LPARAM lParam) {
    // The items the program draws have no mnemonic the system could match: a letter goes to the
    // next one whose text starts with it, or whose "&" it is.
    auto menu = reinterpret_cast<HMENU>(lParam);
    std::vector<std::string> texts;
    int current = -1;
    bool drawn = false;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        const CIconMenuItem* record = IconMenuItemAt(menu, i);
        texts.push_back(record ? record->text() : std::string());
        drawn = drawn || record;
        if (::GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) current = i;
    }
    if (!drawn) return Default();
    const std::optional<brisova::MenuLetterChoice> choice =
        brisova::ChooseMenuItemByLetter(texts, current, static_cast<char>(LOWORD(wParam)));
    if (!choice) return Default();
    return MAKELRESULT(choice->index, choice->execute ? MNC_EXECUTE : MNC_SELECT);
}
