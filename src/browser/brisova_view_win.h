// CBrisovaView: the program's browser view. Follows the page for the window's caption, its tab,
// and, while its window is active, the frame's address field, status text and progress.
#pragma once

#include "browser/fixed_html_view_win.h"
#include "browser/view_rules.h"

class CChildFrame;
class BrowserWindowHost;

class CBrisovaView : public CFixedHtmlView {
public:
    DECLARE_MESSAGE_MAP()

    // Copies of the frame's settings, given when the window is opened.
    struct Options {
        bool blockPopups = true;
        bool activateNewWindows = true;
        bool middleClickLinks = true;
        bool rightButtonBack = true;
    };
    void SetOptions(const Options& options) { options_ = options; }
    const Options& options() const { return options_; }

    void SetOpenHomePage(bool on) { openHomePage_ = on; }
    // The address and title a window starts with before its first navigation.
    void SetInitialAddress(const std::string& address);

    const std::string& address() const { return nav_.address(); }
    const std::string& title() const { return nav_.title(); }
    bool secure() const { return nav_.secure(); }
    int progress() const { return nav_.progress(); }

    void OnInitialUpdate() override;

    void OnBeforeNavigate2(const std::string& address, long flags, const std::string* targetFrame,
                           const std::vector<BYTE>& postData, const std::string& headers, bool& cancel) override;
    void OnStatusTextChange(const std::string& text) override;
    void OnProgressChange(long progress, long maximum) override;
    void OnTitleChange(const std::string& text) override;
    void OnDocumentComplete(const std::string& address) override;

private:
    CChildFrame* Window() const;
    BrowserWindowHost* Host() const;
    bool IsActiveWindow() const;

    brisova::NavigationState nav_;
    Options options_;
    bool openHomePage_ = false;
};
