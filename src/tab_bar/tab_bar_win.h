// CTabBar: the window tab bar, one button-style tab per browser window, in opening order. It
// is the program's only list of windows.
#pragma once

#include <string>

#include <functional>

#include "framework/wnd_win.h"

class CChildFrame;

class CTabBar final : public CWnd {
public:
    DECLARE_MESSAGE_MAP()

    bool Create(HWND parent, UINT id, HFONT font);

    // Inserts at the insertion counter (past the end appends); returns the tab's index.
    int AddTab(CChildFrame* window, const std::string* text);
    int FindTab(const CChildFrame* window) const;
    int FindOrAddTab(CChildFrame* window);
    void SelectTabOf(CChildFrame* window);
    // Deletes the window's tab; false when it had none.
    bool RemoveTabOf(CChildFrame* window);
    // Sets the text of the window's tab, if it has one.
    void SetTabText(const CChildFrame* window, const std::string& text);

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

    bool OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    LRESULT OnMiddleButtonUp(WPARAM wParam, LPARAM lParam);
    LRESULT OnLeftButtonDoubleClick(WPARAM wParam, LPARAM lParam);
    bool NoTabAt(LPARAM point) const;
    int HitTest(LPARAM point) const;
    void LayoutChanged() const;

    int insertionCounter_ = 0;
    int closeOnMiddleClick_ = 1;
    int closeOnDoubleClick_ = 1;
    // The text of the tool tip being shown: the notification's own buffer holds 79 characters,
    // less than a tab's text.
    std::string tipText_;
    std::wstring tipTextWide_;
};
