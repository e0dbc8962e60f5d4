// The frame's bars: their creation, their place around the MDI client, and the commands that
// show and hide them.
#include "frame/main_frame_win.h"

#include <algorithm>

#include "platform/display_scale.h"
#include "platform/startup_trace_win.h"
#include "platform/window_dpi_win.h"
#include "resource.h"
#include "tab_bar/tab_rules.h"

namespace {
// Band ids of the top rebar; the tool bar's band is ID_BAR_TOOLBARS.
constexpr UINT kMenuBand = 1;
constexpr UINT kAddressBand = 2;
constexpr UINT kNavigationBand = 3;
// Room the navigation bar keeps right of the address band (at 96 DPI, as every size here).
constexpr int kNavigationRoom = 140;
constexpr int kTabBandIdealWidth = 220;
}  // namespace

bool CMainFrame::CreateTopBars() {
    if (!menuBar_.Create(m_hWnd, ID_BAR_TOOLBARS, m_hWnd) || !menuBar_.LoadMenu(IDR_MAINFRAME)) return false;
    MarkStartupStep("menu bar");
    if (!toolBar_.Create(m_hWnd)) return false;
    MarkStartupStep("tool bar");
    AddCommandBar(toolBar_.m_hWnd);
    toolBar_.onLayoutChanged = [this] { RecalcLayout(); };
    if (!navigationBar_.Create(m_hWnd, ID_BAR_TOOLBARS)) return false;
    AddCommandBar(navigationBar_.m_hWnd);
    MarkStartupStep("navigation bar");
    if (!topRebar_.Create(m_hWnd, ID_BAR_REBAR, RBS_REGISTERDROP)) return false;
    topRebar_.buttonMenu = [this](HWND bar, UINT command) -> HMENU {
        if (bar == menuBar_.m_hWnd) return ::GetSubMenu(menuBar_.menu(), static_cast<int>(command));
        return bar == toolBar_.m_hWnd ? ButtonMenu(command) : nullptr;
    };

    SIZE menuSize = menuBar_.IdealSize();
    CChevBar::Band menuBand;
    menuBand.child = menuBar_.m_hWnd;
    menuBand.id = kMenuBand;
    menuBand.style = RBBS_NOGRIPPER | RBBS_USECHEVRON | RBBS_BREAK;
    menuBand.minHeight = menuSize.cy;
    menuBand.idealWidth = menuSize.cx;
    if (!topRebar_.AddBand(menuBand)) return false;
    if (!toolBar_.AddToRebar(topRebar_.m_hWnd)) return false;

    MarkStartupStep("rebar");
    if (!addressBar_.Create(topRebar_.m_hWnd, *this)) return false;
    AddCommandBar(addressBar_.m_hWnd);
    MarkStartupStep("address bar");
    const std::string addressText = LoadResString(IDS_ADDRESS_BAND);
    CChevBar::Band addressBand;
    addressBand.child = addressBar_.m_hWnd;
    addressBand.text = addressText.c_str();
    addressBand.id = kAddressBand;
    addressBand.style = RBBS_NOGRIPPER | RBBS_BREAK;
    addressBand.minHeight = addressBar_.Height();
    if (!topRebar_.AddBand(addressBand)) return false;

    CChevBar::Band navigationBand;
    navigationBand.child = navigationBar_.m_hWnd;
    navigationBand.id = kNavigationBand;
    navigationBand.style = RBBS_NOGRIPPER;
    navigationBand.minHeight = navigationBar_.ButtonHeight();
    navigationBand.minWidth = navigationBar_.Width();
    navigationBand.idealWidth = navigationBar_.Width();
    return topRebar_.AddBand(navigationBand);
}

bool CMainFrame::CreateBottomBar() {
    bottomRebar_ = ::CreateWindowExA(0, REBARCLASSNAMEA, "",
                                     WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | RBS_BANDBORDERS |
                                         CCS_NODIVIDER | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_BOTTOM,
                                     0, 0, 0, 0, m_hWnd, reinterpret_cast<HMENU>(ID_BAR_REBAR),
                                     ResourceInstance(), nullptr);
    if (!bottomRebar_) return false;
    auto font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    if (!tabBar_.Create(bottomRebar_, ID_BAR_TABS, font)) return false;
    tabBar_.onLayoutChanged = [this] { FitTabBand(); };
    tabBar_.onEmptyDoubleClick = [this] { OnFileNewBlank(); };
    tabBar_.onOrderChanged = [this] { SaveWindowRecord(); };

    REBARBANDINFOA band{};
    band.cbSize = REBARBANDINFOA_V6_SIZE;
    band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_ID | RBBIM_IDEALSIZE | RBBIM_STYLE;
    band.fStyle = RBBS_NOGRIPPER;
    band.hwndChild = tabBar_.m_hWnd;
    band.cyMinChild = brisova::TabBandHeight(0, 1, WindowDpi(m_hWnd));
    band.wID = ID_BAR_TABS;
    band.cxIdeal = brisova::ScaleToDpi(kTabBandIdealWidth, WindowDpi(m_hWnd));
    return ::SendMessageA(bottomRebar_, RB_INSERTBANDA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band));
}

void CMainFrame::FitMenuBand(HFONT labelFont) const {
    const SIZE menuSize = menuBar_.IdealSize();
    topRebar_.SetBandMinSize(kMenuBand, 0, menuSize.cy, menuSize.cx);
    // The rebar writes the address band's label in its own font.
    topRebar_.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(labelFont), FALSE);
}

void CMainFrame::SetTabBandHeight() const {
    REBARBANDINFOA band{};
    band.cbSize = REBARBANDINFOA_V6_SIZE;
    band.fMask = RBBIM_CHILDSIZE | RBBIM_ID | RBBIM_IDEALSIZE;
    band.cxMinChild = 0;
    const int dpi = WindowDpi(m_hWnd);
    band.cyMinChild = brisova::TabBandHeight(tabBar_.FirstTabHeight(), tabBar_.RowCount(), dpi);
    band.wID = ID_BAR_TABS;
    band.cxIdeal = brisova::ScaleToDpi(kTabBandIdealWidth, dpi);
    ::SendMessageA(bottomRebar_, RB_SETBANDINFOA, 0, reinterpret_cast<LPARAM>(&band));
}

void CMainFrame::FitTabBand() {
    const LRESULT before = ::SendMessageA(bottomRebar_, RB_GETBARHEIGHT, 0, 0);
    SetTabBandHeight();
    // The other bars move only when the tab rows changed the band's height.
    if (::SendMessageA(bottomRebar_, RB_GETBARHEIGHT, 0, 0) != before) RecalcLayout();
}

void CMainFrame::RepositionBars(RECT& client) {
    int width = client.right - client.left;
    if (HasVisibleStyle(topRebar_.m_hWnd)) {
        topRebar_.MatchBandsToChildren();
        // A new width is taken first: a layout at the old width would wrap the rows. It comes
        // with no height yet: a rebar taller than its rows breaks its last band onto a row of
        // its own to fill the room, and the break then stays. A rebar whose width and rows are
        // unchanged keeps its height, which spares it a layout and a repaint of every band.
        if (RECT now = topRebar_.GetWindowRect();
            now.right - now.left != width || now.bottom - now.top != topRebar_.Height())
            ::MoveWindow(topRebar_.m_hWnd, client.left, client.top, width, 0, FALSE);
        // The address band, with its "Address" label, takes all but 140 pixels (at 100 %) of the
        // row; the navigation bar sits in the rest.
        const int navigationRoom = brisova::ScaleToDpi(kNavigationRoom, WindowDpi(m_hWnd));
        int addressWidth = width > navigationRoom ? width - navigationRoom : 0;
        int label = topRebar_.BandBorderWidth(kAddressBand);
        int field = addressWidth > label ? addressWidth - label : 0;
        // As tall as the address box with its font, which grows with the display's scale.
        const int rowHeight = std::max(navigationBar_.ButtonHeight(), addressBar_.Height());
        topRebar_.SetBandMinSize(kAddressBand, field, rowHeight, addressWidth);
        // The navigation band asks for all that room: the row shrinks it from the right to what
        // is left after the separator, so the address band keeps exactly its width.
        topRebar_.SetBandMinSize(kNavigationBand, navigationBar_.Width(), rowHeight, navigationRoom);
        // A rebar that once had to wrap the navigation bar keeps it on a row of its own.
        topRebar_.JoinRow(kNavigationBand);
        int height = topRebar_.Height();
        ::MoveWindow(topRebar_.m_hWnd, client.left, client.top, width, height, TRUE);
        client.top += height;
    }
    if (HasVisibleStyle(statusBar_.m_hWnd)) {
        // The status bar takes its own height and places itself along the bottom edge.
        statusBar_.SendMessage(WM_SIZE, 0, 0);
        client.bottom -= statusBar_.Height();
    }
    if (HasVisibleStyle(bottomRebar_)) {
        RECT r{};
        ::GetWindowRect(bottomRebar_, &r);
        ::MoveWindow(bottomRebar_, client.left, client.bottom - (r.bottom - r.top), width, r.bottom - r.top, TRUE);
        SetTabBandHeight();
        int height = static_cast<int>(::SendMessageA(bottomRebar_, RB_GETBARHEIGHT, 0, 0));
        ::MoveWindow(bottomRebar_, client.left, client.bottom - height, width, height, TRUE);
        client.bottom -= height;
    }
}

void CMainFrame::SystemColorsChanged() {
    // Scaled images were blended into the old button face at their edges.
    toolbarCommands_.RebuildToolbar(true);
}

void CMainFrame::OnViewStatusBar() {
    settings_.statusBar = !settings_.statusBar;
    statusBar_.ShowWindow(settings_.statusBar ? SW_SHOW : SW_HIDE);
    fullScreen_.BarsToggled();
    RecalcLayout();
}

void CMainFrame::OnViewToolBar() {
    settings_.toolBar = !settings_.toolBar;
    topRebar_.ShowBand(ID_BAR_TOOLBARS, settings_.toolBar != 0);
    fullScreen_.BarsToggled();
    RecalcLayout();
}

void CMainFrame::OnViewAddressBar() {
    settings_.addressBar = !settings_.addressBar;
    topRebar_.ShowBand(kAddressBand, settings_.addressBar != 0);
    topRebar_.ShowBand(kNavigationBand, settings_.addressBar != 0);
    fullScreen_.BarsToggled();
    RecalcLayout();
}

void CMainFrame::OnViewTaskBar() {
    settings_.taskBar = !settings_.taskBar;
    ::SendMessageA(bottomRebar_, RB_SHOWBAND, 0, settings_.taskBar);
    ::ShowWindow(bottomRebar_, settings_.taskBar ? SW_SHOW : SW_HIDE);
    fullScreen_.BarsToggled();
    RecalcLayout();
}
