#include "toolbar/toolbar_win.h"

#include <vector>

#include "controls/image_strip_win.h"
#include "framework/text_win.h"
#include "platform/window_dpi_win.h"
#include "resource.h"
#include "toolbar/toolbar_sequence.h"

namespace {
constexpr int kBigImageSize = 21;
constexpr int kSmallImageSize = 16;
constexpr int kImageListRoom = 40;
constexpr int kMinButtonWidth = 22;
constexpr int kMaxButtonWidth = 150;
// Buttons without a label still get a blank text, so that every button of the bar is measured
// alike.
constexpr const char* kBlankText = " ";

REBARBANDINFOA EmptyBand() {
    REBARBANDINFOA band{};
    band.cbSize = REBARBANDINFOA_V6_SIZE;
    return band;
}
}  // namespace

const MessageMap* CBrisovaToolBar::ThisMessageMap() {
    static const MessageMap map(&CWnd::ThisMessageMap);
    return &map;
}

bool CBrisovaToolBar::Create(HWND frame) {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | CCS_TOP | CCS_NODIVIDER |
                  CCS_NORESIZE | CCS_NOPARENTALIGN | TBSTYLE_FLAT | TBSTYLE_TRANSPARENT | TBSTYLE_TOOLTIPS;
    if (!CreateEx(0, TOOLBARCLASSNAMEA, "", style, 0, 0, 0, 0, frame, ID_BAR_TOOLBARS)) return false;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    SendMessage(TB_SETBUTTONWIDTH, 0, MAKELPARAM(kMinButtonWidth, kMaxButtonWidth));
    SendMessage(TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    return true;
}

bool CBrisovaToolBar::AddToRebar(HWND rebar) {
    REBARBANDINFOA band = EmptyBand();
    band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_ID | RBBIM_STYLE | RBBIM_IDEALSIZE;
    band.fStyle = RBBS_BREAK | RBBS_NOGRIPPER | RBBS_USECHEVRON;
    band.hwndChild = m_hWnd;
    band.wID = ID_BAR_TOOLBARS;
    if (!::SendMessageA(rebar, RB_INSERTBANDA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band)))
        return false;
    rebar_ = rebar;
    return true;
}

void CBrisovaToolBar::Rebuild(bool recreateImageLists, const brisova::ToolbarAppearance& appearance,
                              const brisova::Profile& profile) {
    if (!m_hWnd) return;
    if (!hotImages_ || recreateImageLists) MakeImageLists(appearance);
    REBARBANDINFOA band = EmptyBand();
    const bool inBand = ReadBand(band);
    DeleteAllButtons();
    SetTextMode(appearance.textLabel);
    AddButtons(brisova::BuildToolbarButtons(brisova::ReadToolbarSequence(profile), appearance.textLabel));
    SetButtonSize(appearance);
    if (inBand) FitBand(band);
    if (onLayoutChanged) onLayoutChanged();
}

void CBrisovaToolBar::DpiChanged(HFONT font) {
    rememberedSizes_ = {};
    if (font) SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void CBrisovaToolBar::MakeImageLists(const brisova::ToolbarAppearance& appearance) {
    const bool small = appearance.Small();
    const int size = small ? kSmallImageSize : kBigImageSize;
    const UINT colour = small ? IDB_TOOLBAR_SMALL : IDB_TOOLBAR_BIG;
    const UINT grey = small ? IDB_TOOLBAR_SMALL_GREY : IDB_TOOLBAR_BIG_GREY;
    const int dpi = WindowDpi(m_hWnd);
    ScopedImageList hot = LoadImageStrip(colour, size, size, kImageListRoom, dpi);
    ScopedImageList normal = LoadImageStrip(appearance.Color() ? colour : grey, size, size, kImageListRoom, dpi);
    SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(normal.get()));
    SendMessage(TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(hot.get()));
    // The old lists go only now that the bar no longer draws from them.
    normalImages_ = std::move(normal);
    hotImages_ = std::move(hot);
}

bool CBrisovaToolBar::ReadBand(REBARBANDINFOA& band) const {
    if (!rebar_) return false;
    const auto index = static_cast<int>(::SendMessageA(rebar_, RB_IDTOINDEX, ID_BAR_TOOLBARS, 0));
    if (index < 0) return false;
    band.fMask = RBBIM_STYLE | RBBIM_SIZE;
    if (!::SendMessageA(rebar_, RB_GETBANDINFOA, index, reinterpret_cast<LPARAM>(&band))) return false;
    band.fStyle &= ~RBBS_NOGRIPPER;
    return true;
}

void CBrisovaToolBar::DeleteAllButtons() const {
    for (auto i = static_cast<int>(SendMessage(TB_BUTTONCOUNT)) - 1; i >= 0; --i) SendMessage(TB_DELETEBUTTON, i);
}

void CBrisovaToolBar::SetTextMode(int textLabel) const {
    auto style = static_cast<DWORD>(SendMessage(TB_GETSTYLE));
    style |= TBSTYLE_FLAT | TBSTYLE_TRANSPARENT;
    if (brisova::ToolbarUsesListStyle(textLabel)) style |= TBSTYLE_LIST;
    else style &= ~TBSTYLE_LIST;
    SendMessage(TB_SETSTYLE, 0, style);
}

void CBrisovaToolBar::AddButtons(const std::vector<brisova::ToolbarButton>& buttons) const {
    std::vector<TBBUTTON> added;
    added.reserve(buttons.size());
    for (const brisova::ToolbarButton& button : buttons) {
        TBBUTTON b{};
        if (button.kind == brisova::ToolbarItemKind::Separator) {
            b.fsStyle = BTNS_SEP;
        } else {
            b.iBitmap = button.image;
            b.idCommand = static_cast<int>(button.command);
            b.fsState = TBSTATE_ENABLED;
            b.fsStyle = BTNS_BUTTON;
            if (button.kind == brisova::ToolbarItemKind::DropDown) b.fsStyle |= BTNS_DROPDOWN;
            if (button.autoSize) b.fsStyle |= BTNS_AUTOSIZE;
            // The control copies the text while adding the button.
            b.iString = reinterpret_cast<INT_PTR>(button.text.empty() ? kBlankText : button.text.c_str());
        }
        added.push_back(b);
    }
    if (!added.empty())
        SendMessage(TB_ADDBUTTONSA, added.size(), reinterpret_cast<LPARAM>(added.data()));
}

void CBrisovaToolBar::SetButtonSize(const brisova::ToolbarAppearance& appearance) {
    if (auto size = brisova::ButtonSizeToSet(appearance.textLabel, appearance.Small(), rememberedSizes_,
                                             WindowDpi(m_hWnd)))
        SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(size->width, size->height));
    SendMessage(TB_AUTOSIZE);
    const auto measured = static_cast<DWORD>(SendMessage(TB_GETBUTTONSIZE));
    brisova::RememberButtonSize(appearance.textLabel, appearance.Small(), {LOWORD(measured), HIWORD(measured)},
                                rememberedSizes_);
}

std::optional<brisova::ButtonSize> CBrisovaToolBar::FirstButtonSize() const {
    RECT r{};
    if (!SendMessage(TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r))) return std::nullopt;
    return brisova::ButtonSize{r.right - r.left, r.bottom - r.top};
}

std::optional<int> CBrisovaToolBar::LastButtonRight() const {
    const auto count = static_cast<int>(SendMessage(TB_BUTTONCOUNT));
    RECT r{};
    if (count == 0 || !SendMessage(TB_GETITEMRECT, count - 1, reinterpret_cast<LPARAM>(&r))) return std::nullopt;
    return r.right;
}

void CBrisovaToolBar::FitBand(const REBARBANDINFOA& before) const {
    const auto index = static_cast<int>(::SendMessageA(rebar_, RB_IDTOINDEX, ID_BAR_TOOLBARS, 0));
    if (index < 0) return;
    const brisova::ToolbarBandSize size = brisova::ToolbarBandFor(FirstButtonSize(), LastButtonRight());
    REBARBANDINFOA band = before;
    band.fMask = RBBIM_STYLE | RBBIM_SIZE | RBBIM_CHILDSIZE | RBBIM_IDEALSIZE | RBBIM_ID;
    band.cxMinChild = static_cast<UINT>(size.minWidth);
    band.cyMinChild = static_cast<UINT>(size.minHeight);
    band.cxIdeal = static_cast<UINT>(size.idealWidth);
    band.wID = ID_BAR_TOOLBARS;
    // Setting the band twice, the second time without gripper, makes the rebar lay the row out
    // again for the new child size.
    ::SendMessageA(rebar_, RB_SETBANDINFOA, index, reinterpret_cast<LPARAM>(&band));
    band.fStyle |= RBBS_NOGRIPPER;
    ::SendMessageA(rebar_, RB_SETBANDINFOA, index, reinterpret_cast<LPARAM>(&band));
}

bool CBrisovaToolBar::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    // The tool tip asks the tool bar, the owner of its tools, for a button's text.
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header->code == TTN_GETDISPINFOA) {
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
        if (info->uFlags & TTF_IDISHWND) return false;
        tipText_ = CommandToolTip(static_cast<UINT>(header->idFrom));
        info->lpszText = tipText_.data();
        info->hinst = nullptr;
        *result = 0;
        return true;
    }
    if (header->code == TTN_GETDISPINFOW) {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
        if (info->uFlags & TTF_IDISHWND) return false;
        wideTipText_ = WideFromNarrow(CommandToolTip(static_cast<UINT>(header->idFrom)));
        info->lpszText = wideTipText_.data();
        info->hinst = nullptr;
        *result = 0;
        return true;
    }
    return CWnd::OnNotify(wParam, lParam, result);
}
