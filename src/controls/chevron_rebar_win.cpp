#include "controls/chevron_rebar_win.h"

#include <memory>
#include <string>

#include "framework/frame_wnd_win.h"
#include "platform/handles_win.h"
#include "resource.h"

const MessageMap* CChevBar::ThisMessageMap() {
    static const MessageMap map(&CWnd::ThisMessageMap);
    return &map;
}

bool CChevBar::Create(HWND parent, UINT id, DWORD extraStyle) {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | RBS_VARHEIGHT | RBS_BANDBORDERS |
                  RBS_DBLCLKTOGGLE | CCS_NODIVIDER | CCS_NOPARENTALIGN | CCS_NORESIZE | extraStyle;
    return CreateEx(0, REBARCLASSNAMEA, "", style, RECT{0, 0, 0, 0}, parent, id);
}

bool CChevBar::AddBand(const Band& band) {
    REBARBANDINFOA info{};
    info.cbSize = REBARBANDINFOA_V6_SIZE;
    info.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_ID | RBBIM_STYLE | RBBIM_IDEALSIZE | RBBIM_SIZE;
    info.fStyle = band.style;
    info.hwndChild = band.child;
    info.wID = band.id;
    info.cxMinChild = band.minWidth;
    info.cyMinChild = band.minHeight;
    info.cxIdeal = band.idealWidth;
    info.cx = band.idealWidth;
    std::string text = band.text ? band.text : "";
    if (band.text) {
        info.fMask |= RBBIM_TEXT;
        info.lpText = text.data();
    }
    return SendMessage(RB_INSERTBANDA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&info)) != 0;
}

int CChevBar::IndexOf(UINT bandId) const {
    return static_cast<int>(SendMessage(RB_IDTOINDEX, bandId));
}

void CChevBar::ShowBand(UINT bandId, bool show) const {
    int index = IndexOf(bandId);
    if (index >= 0) SendMessage(RB_SHOWBAND, index, show);
}

void CChevBar::JoinRow(UINT bandId) const {
    int index = IndexOf(bandId);
    if (index < 0) return;
    REBARBANDINFOA info{};
    info.cbSize = REBARBANDINFOA_V6_SIZE;
    info.fMask = RBBIM_STYLE;
    SendMessage(RB_GETBANDINFOA, index, reinterpret_cast<LPARAM>(&info));
    if (!(info.fStyle & RBBS_BREAK)) return;
    info.fStyle &= ~RBBS_BREAK;
    SendMessage(RB_SETBANDINFOA, index, reinterpret_cast<LPARAM>(&info));
}

void CChevBar::SetBandMinSize(UINT bandId, int minWidth, int minHeight, int width) const {
    int index = IndexOf(bandId);
    if (index < 0) return;
    REBARBANDINFOA info{};
    info.cbSize = REBARBANDINFOA_V6_SIZE;
    info.fMask = RBBIM_CHILDSIZE | RBBIM_SIZE;
    info.cxMinChild = minWidth;
    info.cyMinChild = minHeight;
    info.cx = width;
    SendMessage(RB_SETBANDINFOA, index, reinterpret_cast<LPARAM>(&info));
}

int CChevBar::BandBorderWidth(UINT bandId) const {
    int index = IndexOf(bandId);
    RECT borders{};
    if (index >= 0) SendMessage(RB_GETBANDBORDERS, index, reinterpret_cast<LPARAM>(&borders));
    return borders.left + borders.right;
}

RECT CChevBar::BandRect(UINT bandId) const {
    RECT r{};
    int index = IndexOf(bandId);
    if (index >= 0) SendMessage(RB_GETRECT, index, reinterpret_cast<LPARAM>(&r));
    return r;
}

int CChevBar::Height() const {
    return static_cast<int>(SendMessage(RB_GETBARHEIGHT));
}

void CChevBar::MatchBandsToChildren() const {
    const int count = static_cast<int>(SendMessage(RB_GETBANDCOUNT));
    for (int i = 0; i < count; ++i) {
        REBARBANDINFOA info{};
        info.cbSize = REBARBANDINFOA_V6_SIZE;
        info.fMask = RBBIM_CHILD | RBBIM_STYLE;
        if (!SendMessage(RB_GETBANDINFOA, i, reinterpret_cast<LPARAM>(&info)) || !info.hwndChild) continue;
        // The child's own flag: a child of a hidden rebar is shown as far as its band goes.
        const bool childShown = HasVisibleStyle(info.hwndChild);
        const bool bandShown = !(info.fStyle & RBBS_HIDDEN);
        if (childShown != bandShown) SendMessage(RB_SHOWBAND, i, childShown);
    }
}

bool CChevBar::OnReflectedNotify(NMHDR* header, LRESULT* result) {
    switch (header->code) {
    case RBN_CHEVRONPUSHED: ShowChevronMenu(*reinterpret_cast<NMREBARCHEVRON*>(header)); break;
    // Bands wrapped to another row or the rebar sized itself: the frame's other bars move.
    case RBN_HEIGHTCHANGE:
    case RBN_AUTOSIZE: ::PostMessageA(::GetParent(m_hWnd), WM_RECALC_PARENT_LAYOUT, 0, 0); break;
    default: return false;
    }
    *result = 0;
    return true;
}

namespace {
// The menu state of a button's item: a pressed button shows checked, and greyed too when it is
// disabled; otherwise a disabled one is greyed and a checked one checked.
UINT ItemState(BYTE button) {
    const bool disabled = !(button & TBSTATE_ENABLED);
    if (button & TBSTATE_PRESSED) return MFS_CHECKED | (disabled ? MFS_GRAYED : 0);
    return (disabled ? MFS_GRAYED : 0) | ((button & TBSTATE_CHECKED) ? MFS_CHECKED : 0);
}

std::string ButtonLabel(HWND bar, const TBBUTTON& button) {
    LRESULT length = ::SendMessageA(bar, TB_GETBUTTONTEXTA, button.idCommand, 0);
    if (length <= 0) return {};
    std::string label(static_cast<std::size_t>(length) + 1, '\0');
    ::SendMessageA(bar, TB_GETBUTTONTEXTA, button.idCommand, reinterpret_cast<LPARAM>(label.data()));
    return label.c_str();
}

// A plain button of a bar other than the main tool bar: its tool tip, else its own label. A
// button that opens a menu of the menu bar is named by its label: its command is the menu's
// position, whose string would be another command's tip ("&Edit" is 1, the Go button's).
std::string PlainButtonText(HWND bar, const TBBUTTON& button, bool opensMenu) {
    if (opensMenu) {
        if (std::string label = ButtonLabel(bar, button); !label.empty()) return label;
    }
    std::string text = CommandToolTip(static_cast<UINT>(button.idCommand));
    return text.empty() ? ButtonLabel(bar, button) : text;
}
}  // namespace

ScopedIconMenu CChevBar::BuildChevronMenu(int index) const {
    REBARBANDINFOA info{};
    info.cbSize = REBARBANDINFOA_V6_SIZE;
    info.fMask = RBBIM_CHILD | RBBIM_ID;
    if (!SendMessage(RB_GETBANDINFOA, index, reinterpret_cast<LPARAM>(&info)) || !info.hwndChild) return {};
    HWND bar = info.hwndChild;
    const bool mainToolBar = info.wID == ID_BAR_TOOLBARS;
    auto images = reinterpret_cast<HIMAGELIST>(::SendMessageA(bar, TB_GETIMAGELIST, 0, 0));
    RECT barRect{};
    ::GetClientRect(bar, &barRect);
    ScopedIconMenu menu(::CreatePopupMenu());
    if (!menu) return {};
    const int buttons = static_cast<int>(::SendMessageA(bar, TB_BUTTONCOUNT, 0, 0));
    bool added = false;
    for (int i = 0; i < buttons; ++i) {
        RECT r{};
        ::SendMessageA(bar, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
        // A button that ends right at the bar's edge is still whole on the bar.
        if (r.right <= barRect.right) continue;
        TBBUTTON button{};
        if (!::SendMessageA(bar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button))) continue;
        if (button.fsStyle & BTNS_SEP) {
            if (added) ::AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const auto command = static_cast<UINT>(button.idCommand);
        const UINT state = ItemState(button.fsState);
        const bool dropDown = (button.fsStyle & (BTNS_DROPDOWN | BTNS_WHOLEDROPDOWN)) != 0;
        HMENU source = buttonMenu ? buttonMenu(bar, command) : nullptr;
        if (!mainToolBar) {
            const UINT flags = ((state & MFS_GRAYED) ? MF_GRAYED : 0) | ((state & MFS_CHECKED) ? MF_CHECKED : 0);
            std::string text = PlainButtonText(bar, button, source != nullptr);
            if (text.empty()) text = " ";
            if (source) {
                // A menu bar's menu, offered whole as a sub-menu of its own name.
                ScopedIconMenu popup = CopyIconMenu(source);
                if (popup && ::AppendMenuA(menu.get(), MF_POPUP | flags, reinterpret_cast<UINT_PTR>(popup.get()),
                                           text.c_str())) {
                    popup.release();
                    added = true;
                }
            } else if (!dropDown) {
                added |= ::AppendMenuA(menu.get(), MF_STRING | flags, command, text.c_str()) != 0;
            }
            continue;
        }
        std::string text = CommandToolTip(command);
        auto item = std::make_unique<CIconMenuItem>(images, button.iBitmap >= 0 ? button.iBitmap : -1);
        item->SetText(text.empty() ? " " : text.c_str());
        if (!dropDown || command == ID_GO_BACK || command == ID_GO_FORWARD) {
            // Back and Forward go one step, as a click on the button itself does.
            added |= AppendIconItem(menu.get(), state, command, std::move(item));
        } else if (source) {
            added |= AppendIconPopup(menu.get(), state, std::move(item), CopyIconMenu(source));
        }
    }
    if (!added) return {};
    return menu;
}

void CChevBar::ShowChevronMenu(const NMREBARCHEVRON& chevron) const {
    ScopedIconMenu menu = BuildChevronMenu(static_cast<int>(chevron.uBand));
    if (!menu) return;
    POINT at{chevron.rc.left, chevron.rc.bottom};
    ::ClientToScreen(m_hWnd, &at);
    HWND owner = ::GetAncestor(m_hWnd, GA_ROOT);
    // The choice arrives at the frame as an ordinary command, posted, after the menu is gone.
    ::TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y, 0, owner, nullptr);
}
