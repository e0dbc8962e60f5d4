#include "controls/chevron_rebar_win.h"

#include "framework/handles_win.h"

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

bool CChevBar::OnReflectedNotify(NMHDR* header, LRESULT* result) {
    if (header->code != RBN_CHEVRONPUSHED) return false;
    ShowChevronMenu(*reinterpret_cast<NMREBARCHEVRON*>(header));
    *result = 0;
    return true;
}

void CChevBar::ShowChevronMenu(const NMREBARCHEVRON& chevron) const {
    REBARBANDINFOA info{};
    info.cbSize = REBARBANDINFOA_V6_SIZE;
    info.fMask = RBBIM_CHILD;
    if (!SendMessage(RB_GETBANDINFOA, chevron.uBand, reinterpret_cast<LPARAM>(&info)) || !info.hwndChild) return;
    HWND bar = info.hwndChild;
    RECT barRect{};
    ::GetClientRect(bar, &barRect);
    ScopedMenu menu(::CreatePopupMenu());
    int buttons = static_cast<int>(::SendMessageA(bar, TB_BUTTONCOUNT, 0, 0));
    bool added = false;
    for (int i = 0; i < buttons; ++i) {
        RECT r{};
        ::SendMessageA(bar, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
        if (r.right <= barRect.right) continue;  // still visible
        TBBUTTON button{};
        ::SendMessageA(bar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        if (button.fsStyle & BTNS_SEP) {
            if (added) ::AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
            continue;
        }
        std::string text = CommandToolTip(static_cast<UINT>(button.idCommand));
        if (text.empty()) {
            char label[128] = {};
            ::SendMessageA(bar, TB_GETBUTTONTEXTA, button.idCommand, reinterpret_cast<LPARAM>(label));
            text = label;
        }
        UINT flags = MF_STRING;
        if (!(button.fsState & TBSTATE_ENABLED)) flags |= MF_GRAYED;
        if (button.fsState & (TBSTATE_CHECKED | TBSTATE_PRESSED)) flags |= MF_CHECKED;
        ::AppendMenuA(menu.get(), flags, static_cast<UINT_PTR>(button.idCommand), text.empty() ? " " : text.c_str());
        added = true;
    }
    if (!added) return;
    POINT at{chevron.rc.left, chevron.rc.bottom};
    ::ClientToScreen(m_hWnd, &at);
    HWND owner = ::GetAncestor(m_hWnd, GA_ROOT);
    ::TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y, 0, owner, nullptr);
}
