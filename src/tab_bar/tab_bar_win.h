// CTabBar: the window tab bar, one button-style tab per browser window, in opening order until
// the user moves them: a tab dragged along the bar moves its window, a mark showing where it
// will land. It is the program's only list of windows.
#pragma once

#include <string>

#include <functional>

#include "framework/wnd_win.h"

class CChildFrame;

class CTabBar final : public CWnd {
public:
    DECLARE_MESSAGE_MAP()

    bool Create(HWND parent, UINT id, HFONT font);
    // The frame moved to another DPI: the tabs take their size for it and `font`.
    void DpiChanged(HFONT font) const { SetScale(font); }

    // Inserts at the insertion counter (past the end appends); returns the tab's index.
    int AddTab(CChildFrame* window, const std::string* text);
    int FindTab(const CChildFrame* window) const;
    int FindOrAddTab(CChildFrame* window);
    void SelectTabOf(CChildFrame* window);
    // Deletes the window's tab; false when it had none.
    bool RemoveTabOf(CChildFrame* window);
    // Sets the text of the window's tab, if it has one.
    void SetTabText(const CChildFrame* window, const std::string& text);
    // Moves the tab at `from` to `to`, both indices of existing tabs; a selected tab stays selected.
    bool MoveTab(int from, int to);

    int Count() const;
    int Selection() const;
    CChildFrame* WindowAt(int index) const;
    std::string TextAt(int index) const;
    // The text as the control holds it, its "&"s doubled.
    std::string LabelAt(int index) const;
    int RowCount() const;
    int FirstTabHeight() const;

    // Copies of "MouseCloseWindow" and "MouseDoubleCloseWindow".
    void SetCloseRules(int onMiddleClick, int onDoubleClick) {
        closeOnMiddleClick_ = onMiddleClick;
        closeOnDoubleClick_ = onDoubleClick;
    }
    // Runs after every insertion and deletion, so the frame can fit the bar's band.
    std::function<void()> onLayoutChanged;
    // A double click on the bar beside the tabs.
    std::function<void()> onEmptyDoubleClick;
    // Runs after a tab moved, so the frame can keep its record of windows in tab order.
    std::function<void()> onOrderChanged;
    // The mark shown while a tab is dragged, in the bar's client coordinates; empty when none.
    RECT dropMark() const;

    bool OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void SetScale(HFONT font) const;
    LRESULT OnMiddleButtonUp(WPARAM wParam, LPARAM lParam);
    LRESULT OnLeftButtonDoubleClick(WPARAM wParam, LPARAM lParam);
    LRESULT OnLeftButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
    LRESULT OnLeftButtonUp(WPARAM wParam, LPARAM lParam);
    LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);
    // Where the dragged tab lands for a pointer at `point`: the place of the tab under it, the
    // last place beyond the last tab; -1 outside the bar.
    int DropIndex(LPARAM point) const;
    void ShowDropMark(int target);
    void EndDrag();
    bool NoTabAt(LPARAM point) const;
    int HitTest(LPARAM point) const;
    void LayoutChanged() const;

    int insertionCounter_ = 0;
    // The tab pressed, and whether it is being dragged; -1 when the left button is up.
    int pressedTab_ = -1;
    POINT pressedAt_{};
    bool dragging_ = false;
    HWND mark_ = nullptr;
    int closeOnMiddleClick_ = 1;
    int closeOnDoubleClick_ = 1;
    // The text of the tool tip being shown: the notification's own buffer holds 79 characters,
    // less than a tab's text.
    std::string tipText_;
    std::wstring tipTextWide_;
};
