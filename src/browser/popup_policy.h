// Whether a page may open a new window. A web page may do so only shortly after the user
// clicked or pressed Enter in it; anything else from a web page is refused without a word.
#pragma once

#include "platform/tick_clock.h"

#include <string_view>

namespace brisova {

// The last thing the user did in a page that may justify a pop-up. Setting one marker clears
// the other; every navigation, whether the page's or the program's, clears both.
class UserActionMarkers {
public:
    static constexpr int kLeftClickSeconds = 1;
    static constexpr int kKeyOrRightClickSeconds = 5;

    // The left button was released in the page.
    void MarkLeftClick(Ticks now);
    // The right button was released, or Enter pressed, in the page.
    void MarkKeyOrRightClick(Ticks now);
    void Clear();

    bool leftClick() const { return leftClick_; }
    bool keyOrRightClick() const { return keyOrRightClick_; }

    // True while a marker is set and still inside its window.
    bool Justifies(Ticks now, Ticks frequency) const;

private:
    bool leftClick_ = false;
    Ticks leftClickTime_ = 0;
    bool keyOrRightClick_ = false;
    Ticks keyOrRightClickTime_ = 0;
};

// A page is a web page when its address is at least 8 characters long and begins with "http://"
// or "https://", in any case. Files, "about:" pages and the library's pages are never blocked.
bool IsWebPageAddress(std::string_view address);

enum class NewWindowVerdict { Allow, Block };

// A page asks for a new window. Either way the markers are used up, so one click lets through
// one window only. Without a counter (frequency 0) nothing can be timed and everything passes.
NewWindowVerdict DecideNewWindow(std::string_view pageAddress, bool blocking, UserActionMarkers& markers,
                                 const TickClock& clock);

}  // namespace brisova
