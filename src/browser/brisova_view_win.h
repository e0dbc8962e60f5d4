// CBrisovaView: the program's browser view. Follows the page for the window's caption, its tab,
// and, while its window is active, the frame's address field, status text and progress. It also
// reads the user's mouse and keys before the page does: right-button gestures, middle clicks
// on links, and the clicks that let a page open a new window.
#pragma once

#include "browser/fixed_html_view_win.h"
#include "browser/gestures.h"
#include "browser/view_rules.h"

class CChildFrame;
class BrowserWindowHost;

class CBrisovaView : public CFixedHtmlView {
public:
    CBrisovaView();
    DECLARE_MESSAGE_MAP()

    // Copies of the frame's settings, given when the window is opened.
    struct Options {
        bool blockPopups = true;         // "EnableAutoFilter"
        bool activateNewWindows = true;  // "ActiveNewWindow"
        bool middleClickLinks = true;    // "EnableMouseMiddle"
        bool rightButtonBack = true;     // "EnableMouseBack"
    };
    void SetOptions(const Options& options);
    const Options& options() const { return options_; }
    void SetBlockPopups(bool on) { options_.blockPopups = on; }

    void SetOpenHomePage(bool on) { openHomePage_ = on; }
    // The address and title a window starts with before its first navigation.
    void SetInitialAddress(const std::string& address);

    const std::string& address() const { return nav_.address(); }
    const std::string& title() const { return nav_.title(); }
    bool secure() const { return nav_.secure(); }
    int progress() const { return nav_.progress(); }
    brisova::GestureState gestureState() const { return gestures_.state(); }

    void OnInitialUpdate() override;
    // The window is shown at `dpi`: the page, which the control draws for the system's DPI, is
    // zoomed to it.
    void MatchDisplayScale(int dpi);
    bool PreTranslateMessage(MSG* msg) override;

    void OnBeforeNavigate2(const std::string& address, long flags, const std::string* targetFrame,
                           const std::vector<BYTE>& postData, const std::string& headers, bool& cancel) override;
    void OnStatusTextChange(const std::string& text) override;
    void OnProgressChange(long progress, long maximum) override;
    void OnTitleChange(const std::string& text) override;
    void OnNewWindow2(IDispatch** newControl, bool& cancel) override;
    void OnDocumentComplete(const std::string& address) override;
    bool AllowPageToClose() override;

private:
    CChildFrame* Window() const;
    BrowserWindowHost* Host() const;
    bool IsActiveWindow() const;

    void OnTimer(UINT_PTR id);
    void Perform(const brisova::GestureResult& result);
    // Opens an address or a page's new window beside this one, in front per "ActiveNewWindow".
    CChildFrame* OpenBeside(const std::string* address) const;

    brisova::NavigationState nav_;
    Options options_;
    bool openHomePage_ = false;
    brisova::GestureMachine gestures_;
};
