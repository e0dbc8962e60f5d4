#include "framework/dock_site_win.h"

#include <algorithm>

#include "framework/frame_wnd_win.h"
#include "framework/mini_dock_frame_win.h"

using brisova::DockSide;

CDockSite::CDockSite(HWND frame) : frame_(frame) {}
CDockSite::~CDockSite() = default;

CMiniDockFrame* CDockSite::MiniFrameOf(const CControlBar& bar) const {
    for (const auto& mini : floating_)
        if (&mini->bar() == &bar) return mini.get();
    return nullptr;
}

void CDockSite::Detach(CControlBar& bar) {
    std::erase_if(docked_, [&](const Docked& d) { return d.bar == &bar; });
    for (auto& row : rows_) std::erase(row, &bar);
}

void CDockSite::Dock(CControlBar& bar, DockSide side) {
    if (side == DockSide::Floating) return;
    const bool shown = HasVisibleStyle(bar.m_hWnd);
    Detach(bar);
    if (::GetParent(bar.m_hWnd) != frame_) ::SetParent(bar.m_hWnd, frame_);
    if (CMiniDockFrame* mini = MiniFrameOf(bar)) mini->ShowWindow(SW_HIDE);
    docked_.push_back({&bar, side});
    bar.SetDockState(this, side);
    if (shown) bar.ShowWindow(SW_SHOWNA);
    RecalcLayout();
}

void CDockSite::Float(CControlBar& bar, POINT screenPoint) {
    const bool shown = IsShown(bar);
    Detach(bar);
    CMiniDockFrame* mini = MiniFrameOf(bar);
    if (!mini) {
        auto created = std::make_unique<CMiniDockFrame>(*this, bar);
        if (!created->Create()) return;
        mini = created.get();
        floating_.push_back(std::move(created));
    }
    bar.SetDockState(this, DockSide::Floating);
    mini->Adopt(screenPoint);
    if (shown) {
        bar.ShowWindow(SW_SHOWNA);
        mini->ShowWindow(SW_SHOWNA);
    }
    RecalcLayout();
}

void CDockSite::ToggleFloating(CControlBar& bar) {
    if (bar.IsFloating()) {
        Dock(bar, bar.lastDockedSide());
        return;
    }
    // Back where it floated last; the first time, its caption where the bar's top was, inside
    // the frame's room for bars, not over the bars above it.
    if (CMiniDockFrame* mini = MiniFrameOf(bar)) {
        Float(bar, mini->ClientOrigin());
        return;
    }
    RECT r = bar.GetWindowRect();
    // The frame's borders are as wide at the bottom and right as at the left.
    const POINT offset = CMiniDockFrame::ClientOffset();
    const SIZE size = bar.FloatingSize();
    RECT room = dockRoom_;
    ::MapWindowPoints(frame_, nullptr, reinterpret_cast<POINT*>(&room), 2);
    brisova::DockRect placed = brisova::FitInside({r.left, r.top, r.left + 2 * offset.x + size.cx, r.top + offset.y + offset.x + size.cy},
                                                  {room.left, room.top, room.right, room.bottom});
    Float(bar, {placed.left + offset.x, placed.top + offset.y});
}

void CDockSite::Show(CControlBar& bar, bool show) {
    if (!bar.m_hWnd) return;
    bar.ShowWindow(show ? SW_SHOWNA : SW_HIDE);
    if (bar.IsFloating())
        if (CMiniDockFrame* mini = MiniFrameOf(bar)) mini->ShowWindow(show ? SW_SHOWNA : SW_HIDE);
    RecalcLayout();
}

bool CDockSite::IsShown(const CControlBar& bar) const {
    return HasVisibleStyle(bar.m_hWnd);
}

void CDockSite::Remove(CControlBar& bar) {
    Detach(bar);
    std::erase_if(floating_, [&](const auto& mini) { return &mini->bar() == &bar; });
}

std::vector<std::vector<CControlBar*>> CDockSite::Rows(DockSide side, int length) const {
    std::vector<CControlBar*> bars;
    for (const Docked& d : docked_)
        if (d.side == side && HasVisibleStyle(d.bar->m_hWnd)) bars.push_back(d.bar);
    std::vector<std::vector<CControlBar*>> rows;
    const bool horizontal = brisova::IsHorizontalSide(side);
    while (!bars.empty()) {
        std::vector<brisova::RowBar> measures;
        for (CControlBar* bar : bars) {
            SIZE size = bar->DockedSize(side), minimum = bar->MinimumSize(side);
            measures.push_back({horizontal ? size.cx : size.cy, horizontal ? minimum.cx : minimum.cy, bar->IsSizingBar()});
        }
        const std::size_t fit = brisova::BarsThatFit(measures, length);
        rows.emplace_back(bars.begin(), bars.begin() + static_cast<std::ptrdiff_t>(fit));
        bars.erase(bars.begin(), bars.begin() + static_cast<std::ptrdiff_t>(fit));
    }
    return rows;
}

void CDockSite::ArrangeSide(DockSide side, RECT& room) {
    const bool horizontal = brisova::IsHorizontalSide(side);
    const int length = horizontal ? room.right - room.left : room.bottom - room.top;
    for (std::vector<CControlBar*>& row : Rows(side, length)) {
        std::vector<brisova::RowBar> measures;
        int thickness = 0;
        for (CControlBar* bar : row) {
            SIZE size = bar->DockedSize(side), minimum = bar->MinimumSize(side);
            measures.push_back({horizontal ? size.cx : size.cy, horizontal ? minimum.cx : minimum.cy, bar->IsSizingBar()});
            thickness = std::max(thickness, static_cast<int>(horizontal ? size.cy : size.cx));
        }
        // A row never takes more than the room across it.
        thickness = std::min(thickness, horizontal ? static_cast<int>(room.bottom - room.top)
                                                   : static_cast<int>(room.right - room.left));
        thickness = std::max(thickness, 0);
        std::vector<brisova::RowPlacement> placed = brisova::LayoutRow(measures, length);
        for (std::size_t i = 0; i < row.size(); ++i) {
            row[i]->SetRowLength(side, placed[i].length);
            RECT r{};
            if (horizontal) {
                r.left = room.left + placed[i].offset;
                r.right = r.left + placed[i].length;
                r.top = side == DockSide::Top ? room.top : room.bottom - thickness;
                r.bottom = r.top + thickness;
            } else {
                r.top = room.top + placed[i].offset;
                r.bottom = r.top + placed[i].length;
                r.left = side == DockSide::Left ? room.left : room.right - thickness;
                r.right = r.left + thickness;
            }
            row[i]->MoveWindow(r);
        }
        switch (side) {
        case DockSide::Top: room.top += thickness; break;
        case DockSide::Bottom: room.bottom -= thickness; break;
        case DockSide::Left: room.left += thickness; break;
        case DockSide::Right: room.right -= thickness; break;
        case DockSide::Floating: break;
        }
        rows_.push_back(std::move(row));
    }
}

void CDockSite::Arrange(RECT& room) {
    rows_.clear();
    dockRoom_ = room;
    for (DockSide side : {DockSide::Top, DockSide::Bottom, DockSide::Left, DockSide::Right}) ArrangeSide(side, room);
    viewArea_ = room;
}

std::vector<CControlBar*> CDockSite::RowOf(const CControlBar& bar) const {
    for (const auto& row : rows_)
        if (std::find(row.begin(), row.end(), &bar) != row.end()) return row;
    return {};
}

void CDockSite::RecalcLayout() const {
    if (auto* frame = dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(frame_))) frame->RecalcLayout();
}

void CDockSite::SettingsChanged() const {
    for (const Docked& d : docked_) d.bar->OnSettingsChanged();
    for (const auto& mini : floating_)
        if (mini->bar().IsFloating()) mini->bar().OnSettingsChanged();
}
