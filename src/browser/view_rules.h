// The rules of a browser view that need no window: progress arithmetic, the secure test,
// which keys the page gets first, and which script messages are silenced.
#pragma once

#include <string>
#include <string_view>

namespace brisova {

// Percentage shown for a progress report; -1 hides the progress control.
int ProgressPercent(long progress, long maximum);

// Case-sensitive on purpose: only an address that begins with exactly "https" is secure.
bool IsSecureAddress(std::string_view address);

// Addresses the library's generated pages use for their actions; the view never loads them.
bool IsLibraryPseudoAddress(std::string_view address);

// A script message whose text contains " ActiveX " is not shown to the user.
bool IsSuppressedScriptMessage(std::string_view messageText);

// What the view does with a key-down before the frame's accelerators see it.
enum class KeyRoute {
    Dispatch,        // normal processing: accelerators, then the focused window
    OfferToControl,  // the control's own keyboard handling (Tab, editing keys), then the dialog keys
};
inline constexpr unsigned kVkReturn = 0x0D;
inline constexpr unsigned kVkControl = 0x11;
inline constexpr unsigned kVkEscape = 0x1B;
inline constexpr unsigned kVkInsert = 0x2D;
inline constexpr unsigned kVkF1 = 0x70;
KeyRoute RouteViewKey(unsigned virtualKey, bool ctrlDown);

// The view's navigation state and the decisions taken on the control's events.
class NavigationState {
public:
    const std::string& address() const { return address_; }
    const std::string& title() const { return title_; }
    bool secure() const { return secure_; }
    int progress() const { return progress_; }
    bool canGoBack() const { return canGoBack_; }
    bool canGoForward() const { return canGoForward_; }

    void SetAddress(std::string address) { address_ = std::move(address); }
    void SetTitle(std::string title) { title_ = std::move(title); }

    // A navigation starts; returns true when the top-level address changed, which the view
    // reports to the frame and records. The secure flag follows the top-level page only: a frame
    // of a secure page loading an ad over plain http does not make the page less secure, nor an
    // https frame a plain page secure.
    bool BeginNavigation(const std::string& address, bool topLevel);
    // A top-level document completed; true when the address changed.
    bool CompleteDocument(const std::string& address);
    void SetProgress(long progress, long maximum) { progress_ = ProgressPercent(progress, maximum); }
    // Command 2 is "back", command 1 "forward"; others carry nothing for the view.
    void SetCommandState(long command, bool enabled);

private:
    std::string address_;
    std::string title_;
    bool secure_ = false;
    int progress_ = -1;
    bool canGoBack_ = false;
    bool canGoForward_ = false;
};

}  // namespace brisova
