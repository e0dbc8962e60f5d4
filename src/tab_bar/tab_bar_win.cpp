#include "tab_bar/tab_bar_win.h"

#include "shared/ampersand_text.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "framework/text_win.h"
#include "platform/display_scale.h"
#include "platform/window_dpi_win.h"
#include "tab_bar/tab_rules.h"

const MessageMap* CTabBar::ThisMessageMap() {
    static const MessageEntry entries[] = {
        MessageHandler<WM_MBUTTONUP, &CTabBar::OnMiddleButtonUp>(),
        MessageHandler<WM_LBUTTONDBLCLK, &CTabBar::OnLeftButtonDoubleClick>(),
        MessageHandler<WM_LBUTTONDOWN, &CTabBar::OnLeftButtonDown>(),
        MessageHandler<WM_MOUSEMOVE, &CTabBar::OnMouseMove>(),
        MessageHandler<WM_LBUTTONUP, &CTabBar::OnLeftButtonUp>(),
        MessageHandler<WM_CAPTURECHANGED, &CTabBar::OnCaptureChanged>(),
    };
    static const MessageMap map(&CWnd::ThisMessageMap, entries);
    return &map;
}

bool CTabBar::Create(HWND parent, UINT id, HFONT font) {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TCS_BUTTONS | TCS_MULTILINE | TCS_FIXEDWIDTH |
                  TCS_RAGGEDRIGHT | TCS_TOOLTIPS | TCS_FOCUSNEVER | TCS_FORCELABELLEFT;
    if (!CreateEx(0, WC_TABCONTROLA, "", style, RECT{0, 0, 300, 19}, parent, id)) return false;
    SetScale(font);
    // The drop mark: a thin bar in the colour of window frames, shown only during a drag; a
    // child of the bar, it goes with it.
    mark_ = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | SS_BLACKRECT, 0, 0, 0, 0, m_hWnd, nullptr, nullptr, nullptr);
    return true;
}

void CTabBar::SetScale(HFONT font) const {
    // The font first: a tab control takes a new font's height for its tabs unless it was given a
    // height since, and it counts a height as given only when it differs from the one it has.
    if (font) SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    const int dpi = WindowDpi(m_hWnd);
    const int width = brisova::ScaleToDpi(brisova::kTabWidth, dpi), height = brisova::ScaleToDpi(brisova::kTabHeight, dpi);
    SendMessage(TCM_SETITEMSIZE, 0, MAKELPARAM(width, height));
}

int CTabBar::Count() const {
    return static_cast<int>(SendMessage(TCM_GETITEMCOUNT));
}

int CTabBar::Selection() const {
    return static_cast<int>(SendMessage(TCM_GETCURSEL));
}

int CTabBar::RowCount() const {
    return static_cast<int>(SendMessage(TCM_GETROWCOUNT));
}

int CTabBar::FirstTabHeight() const {
    RECT r{};
    if (Count() == 0 || !SendMessage(TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r))) return 0;
    return r.bottom - r.top;
}

CChildFrame* CTabBar::WindowAt(int index) const {
    TCITEMA item{};
    item.mask = TCIF_PARAM;
    if (!SendMessage(TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item))) return nullptr;
    return reinterpret_cast<CChildFrame*>(item.lParam);
}

std::string CTabBar::TextAt(int index) const {
    return brisova::SingleAmpersands(LabelAt(index));
}

std::string CTabBar::LabelAt(int index) const {
    // Room for the longest label: characters of four UTF-8 bytes, or "&"s, each doubled.
    std::vector<char> buffer(4 * brisova::kMaxTabText + 2);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(buffer.size());
    if (!SendMessage(TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item))) return {};
    return item.pszText ? std::string(item.pszText) : std::string();
}

void CTabBar::LayoutChanged() const {
    if (onLayoutChanged) onLayoutChanged();
}

int CTabBar::AddTab(CChildFrame* window, const std::string* text) {
    std::string label = brisova::DoubleAmpersands(text ? *text : brisova::kUntitledTabText);
    TCITEMA item{};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = label.data();
    item.lParam = reinterpret_cast<LPARAM>(window);
    int before = Count();
    int position = insertionCounter_ < before ? insertionCounter_ : before;
    SendMessage(TCM_INSERTITEMA, position, reinterpret_cast<LPARAM>(&item));
    ++insertionCounter_;
    LayoutChanged();
    return position;
}

int CTabBar::FindTab(const CChildFrame* window) const {
    int count = Count();
    for (int i = 0; i < count; ++i)
        if (WindowAt(i) == window) return i;
    return -1;
}

int CTabBar::FindOrAddTab(CChildFrame* window) {
    int index = FindTab(window);
    return index >= 0 ? index : AddTab(window, nullptr);
}

void CTabBar::SelectTabOf(CChildFrame* window) {
    int index = FindOrAddTab(window);
    if (index != Selection()) SendMessage(TCM_SETCURSEL, index);
}

bool CTabBar::RemoveTabOf(CChildFrame* window) {
    int index = FindTab(window);
    if (index < 0) return false;
    SendMessage(TCM_DELETEITEM, index);
    LayoutChanged();
    return true;
}

void CTabBar::SetTabText(const CChildFrame* window, const std::string& text) {
    int index = FindTab(window);
    if (index < 0) return;
    std::string label = brisova::DoubleAmpersands(text);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = label.data();
    SendMessage(TCM_SETITEMA, index, reinterpret_cast<LPARAM>(&item));
}

bool CTabBar::MoveTab(int from, int to) {
    const int count = Count();
    if (from < 0 || from >= count || to < 0 || to >= count) return false;
    if (from == to) return true;
    const bool selected = Selection() == from;
    std::string label = LabelAt(from);
    TCITEMA item{};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = label.data();
    item.lParam = reinterpret_cast<LPARAM>(WindowAt(from));
    SendMessage(TCM_DELETEITEM, from);
    SendMessage(TCM_INSERTITEMA, to, reinterpret_cast<LPARAM>(&item));
    if (selected) SendMessage(TCM_SETCURSEL, to);
    LayoutChanged();
    if (onOrderChanged) onOrderChanged();
    return true;
}

int CTabBar::HitTest(LPARAM point) const {
    TCHITTESTINFO hit{};
    hit.pt = {static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
    int index = static_cast<int>(SendMessage(TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return (hit.flags & (TCHT_ONITEMICON | TCHT_ONITEMLABEL)) ? index : -1;
}

bool CTabBar::NoTabAt(LPARAM point) const {
    TCHITTESTINFO hit{};
    hit.pt = {static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
    return SendMessage(TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) < 0;
}

LRESULT CTabBar::OnMiddleButtonUp(WPARAM, LPARAM lParam) {
    int index = HitTest(lParam);
    LRESULT result = Default();
    if (index >= 0 && closeOnMiddleClick_ == 1)
        if (CWnd* window = reinterpret_cast<CWnd*>(WindowAt(index))) window->PostMessage(WM_CLOSE);
    return result;
}

LRESULT CTabBar::OnLeftButtonDoubleClick(WPARAM, LPARAM lParam) {
    int index = HitTest(lParam);
    LRESULT result = Default();
    if (index >= 0 && closeOnDoubleClick_ != 0)
        if (CWnd* window = reinterpret_cast<CWnd*>(WindowAt(index))) window->PostMessage(WM_CLOSE);
    if (index < 0 && onEmptyDoubleClick && NoTabAt(lParam)) onEmptyDoubleClick();
    return result;
}

LRESULT CTabBar::OnLeftButtonDown(WPARAM, LPARAM lParam) {
    pressedTab_ = HitTest(lParam);
    pressedAt_ = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    dragging_ = false;
    return Default();
}

LRESULT CTabBar::OnMouseMove(WPARAM wParam, LPARAM lParam) {
    LRESULT result = Default();
    if (pressedTab_ < 0 || !(wParam & MK_LBUTTON)) return result;
    const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (!dragging_) {
        // A small slip of the hand while clicking is no drag.
        if (std::abs(at.x - pressedAt_.x) <= ::GetSystemMetrics(SM_CXDRAG) &&
            std::abs(at.y - pressedAt_.y) <= ::GetSystemMetrics(SM_CYDRAG))
            return result;
        dragging_ = true;
        ::SetCapture(m_hWnd);
    }
    ShowDropMark(DropIndex(lParam));
    return result;
}

LRESULT CTabBar::OnLeftButtonUp(WPARAM, LPARAM lParam) {
    LRESULT result = Default();
    const int from = pressedTab_;
    const int target = dragging_ ? DropIndex(lParam) : -1;
    EndDrag();
    if (from >= 0 && target >= 0) MoveTab(from, target);
    return result;
}

LRESULT CTabBar::OnCaptureChanged(WPARAM, LPARAM) {
    // Alt+Tab or a menu took the mouse: the drag ends where it began.
    if (dragging_) EndDrag();
    return Default();
}

int CTabBar::DropIndex(LPARAM point) const {
    const POINT at{static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
    const RECT client = GetClientRect();
    if (!::PtInRect(&client, at) || Count() == 0) return -1;
    TCHITTESTINFO hit{};
    hit.pt = at;
    const int index = static_cast<int>(SendMessage(TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return index >= 0 ? index : Count() - 1;
}

void CTabBar::ShowDropMark(int target) {
    RECT tab{};
    if (!mark_ || target < 0 || target == pressedTab_ ||
        !SendMessage(TCM_GETITEMRECT, target, reinterpret_cast<LPARAM>(&tab))) {
        if (mark_) ::ShowWindow(mark_, SW_HIDE);
        return;
    }
    // The dragged tab goes before the tab under the pointer when it comes from the right, after it
    // when it comes from the left.
    const int width = std::max(2, ::GetSystemMetrics(SM_CXBORDER) * 2);
    const int x = target > pressedTab_ ? tab.right - width / 2 : tab.left - width / 2;
    ::SetWindowPos(mark_, HWND_TOP, x, tab.top, width, tab.bottom - tab.top, SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

RECT CTabBar::dropMark() const {
    RECT mark{};
    if (!mark_ || !::IsWindowVisible(mark_)) return mark;
    ::GetWindowRect(mark_, &mark);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&mark), 2);
    return mark;
}

void CTabBar::EndDrag() {
    const bool wasDragging = dragging_;
    pressedTab_ = -1;
    dragging_ = false;
    if (mark_) ::ShowWindow(mark_, SW_HIDE);
    if (wasDragging && ::GetCapture() == m_hWnd) ::ReleaseCapture();
}

bool CTabBar::OnNotify(WPARAM, LPARAM lParam, LRESULT* result) {
    // The tab tooltips ask for their text: the tab's own label, since they read "&" the same way.
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header->code == TTN_GETDISPINFOA) {
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
        tipText_ = LabelAt(static_cast<int>(header->idFrom));
        info->lpszText = tipText_.data();
        *result = 0;
        return true;
    }
    if (header->code == TTN_GETDISPINFOW) {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
        tipTextWide_ = WideFromNarrow(LabelAt(static_cast<int>(header->idFrom)));
        info->lpszText = tipTextWide_.data();
        *result = 0;
        return true;
    }
    return false;
}
