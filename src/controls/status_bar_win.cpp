#include "controls/status_bar_win.h"

#include "platform/display_scale.h"
#include "platform/window_dpi_win.h"
#include "resource.h"

namespace {
constexpr int kSecurePaneWidth = 10;
constexpr int kIdlePaneWidth = 4;
constexpr int kPaneGap = 6;
// Room the size grip takes at the right end.
constexpr int kGripWidth = 18;
}  // namespace

const MessageMap* CStatusBarWithProgress::ThisMessageMap() {
    static const MessageEntry entries[] = {
        SizeHandler<&CStatusBarWithProgress::OnSize>(),
    };
    static const MessageMap map(&CWnd::ThisMessageMap, entries);
    return &map;
}

bool CStatusBarWithProgress::Create(HWND parent, DWORD style, UINT id) {
    if (!CreateEx(0, STATUSCLASSNAMEA, "", style | WS_CHILD | SBARS_SIZEGRIP,
                  RECT{0, 0, 0, 0}, parent, id))
        return false;
    dpi_ = WindowDpi(m_hWnd);
    progress_ = ::CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | PBS_SMOOTH, 0, 0, Px(progressWidth_), Px(10), m_hWnd,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(ID_PROGRESS_CONTROL)),
                                  ResourceInstance(), nullptr);
    LayoutPanes();
    return progress_ != nullptr;
}

void CStatusBarWithProgress::SetProgressRange(int low, int high) const {
    ::SendMessageA(progress_, PBM_SETRANGE32, low, high);
}

void CStatusBarWithProgress::SetMessageText(const std::string& text) const {
    SendMessage(SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string CStatusBarWithProgress::MessageText() const {
    LRESULT length = SendMessage(SB_GETTEXTLENGTHA, 0, 0);
    std::string text(static_cast<std::size_t>(LOWORD(length)) + 1, '\0');
    SendMessage(SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text.data()));
    text.resize(LOWORD(length));
    return text;
}

void CStatusBarWithProgress::SetSecureIcon(HICON icon) const {
    SendMessage(SB_SETICON, 2, reinterpret_cast<LPARAM>(icon));
}

HICON CStatusBarWithProgress::SecureIcon() const {
    return reinterpret_cast<HICON>(SendMessage(SB_GETICON, 2));
}

void CStatusBarWithProgress::DpiChanged(HFONT font) {
    dpi_ = WindowDpi(m_hWnd);
    // The bar takes its height from its font at the next size message.
    if (font) SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    LayoutPanes();
}

int CStatusBarWithProgress::Height() const {
    RECT r = GetWindowRect();
    return r.bottom - r.top;
}

int CStatusBarWithProgress::Px(int at96) const {
    return brisova::ScaleToDpi(at96, dpi_);
}

void CStatusBarWithProgress::OnSize(UINT, int, int) {
    Default();
    LayoutPanes();
}

void CStatusBarWithProgress::LayoutPanes() {
    RECT client = GetClientRect();
    int progressPane = Px(progressShown_ ? progressWidth_ - kPaneGap : kIdlePaneWidth);
    int right2 = client.right - Px(kGripWidth);
    int right1 = right2 - Px(kSecurePaneWidth) - Px(kPaneGap);
    int right0 = right1 - progressPane - Px(kPaneGap);
    int parts[3] = {right0 > 0 ? right0 : 0, right1 > 0 ? right1 : 0, -1};
    SendMessage(SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts));
    if (progressShown_) PlaceProgress();
}

void CStatusBarWithProgress::PlaceProgress() const {
    RECT pane{};
    SendMessage(SB_GETRECT, 1, reinterpret_cast<LPARAM>(&pane));
    int left = pane.right - Px(progressWidth_);
    ::SetWindowPos(progress_, nullptr, left, pane.top, pane.right - left, pane.bottom - pane.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CStatusBarWithProgress::ShowProgress(bool show) {
    bool previous = progressShown_;
    if (show == progressShown_ || !m_hWnd) return previous;
    progressShown_ = show;
    LayoutPanes();
    ::ShowWindow(progress_, show ? SW_SHOWNOACTIVATE : SW_HIDE);
    ::UpdateWindow(m_hWnd);
    return previous;
}

void CStatusBarWithProgress::SetProgress(int percent) {
    if (percent < 0) {
        ShowProgress(false);
        return;
    }
    ShowProgress(true);
    ::SendMessageA(progress_, PBM_SETPOS, percent, 0);
}

int CStatusBarWithProgress::progressPosition() const {
    return static_cast<int>(::SendMessageA(progress_, PBM_GETPOS, 0, 0));
}
