// CStatusBarWithProgress: the frame's status bar, with a progress control in its second pane
// while a page loads and the secure-page icon in its third.
#pragma once

#include "framework/wnd_win.h"

class CStatusBarWithProgress final : public CWnd {
public:
    // The progress width, as every size of the panes, is given at 96 DPI.
    explicit CStatusBarWithProgress(int progressWidth) : progressWidth_(progressWidth) {}
    DECLARE_MESSAGE_MAP()

    bool Create(HWND parent, DWORD style, UINT id);
    void SetProgressWidth(int width) { progressWidth_ = width; }
    void SetProgressRange(int low, int high) const;

    void SetMessageText(const std::string& text) const;
    std::string MessageText() const;
    void SetSecureIcon(HICON icon) const;
    HICON SecureIcon() const;
    // The frame moved to another DPI: the text takes `font`, and the panes their widths for it.
    void DpiChanged(HFONT font);
    // Shows or hides the progress control; returns the previous state.
    bool ShowProgress(bool show);
    // A negative value hides the control; 0 to 100 shows it at that position.
    void SetProgress(int percent);
    bool progressShown() const { return progressShown_; }
    int progressPosition() const;
    HWND progressWindow() const { return progress_; }
    int Height() const;

private:
    void OnSize(UINT type, int cx, int cy);
    void LayoutPanes();
    void PlaceProgress() const;
    // A width at 96 DPI on this bar.
    int Px(int at96) const;

    int progressWidth_;
    int dpi_ = 96;
    bool progressShown_ = false;
    HWND progress_ = nullptr;
};
