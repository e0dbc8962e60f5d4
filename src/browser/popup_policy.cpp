#include "browser/popup_policy.h"

#include <cctype>

namespace brisova {

namespace {
bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != static_cast<unsigned char>(prefix[i])) {
            return false;
        }
    }
    return true;
}
}  // namespace

void UserActionMarkers::MarkLeftClick(Ticks now) {
    leftClick_ = true;
    leftClickTime_ = now;
    keyOrRightClick_ = false;
}

void UserActionMarkers::MarkKeyOrRightClick(Ticks now) {
    keyOrRightClick_ = true;
    keyOrRightClickTime_ = now;
    leftClick_ = false;
}

void UserActionMarkers::Clear() {
    leftClick_ = false;
    keyOrRightClick_ = false;
}

bool UserActionMarkers::Justifies(Ticks now, Ticks frequency) const {
    return (leftClick_ && ElapsedWithin(leftClickTime_, now, frequency, kLeftClickSeconds)) ||
           (keyOrRightClick_ && ElapsedWithin(keyOrRightClickTime_, now, frequency, kKeyOrRightClickSeconds));
}

bool IsWebPageAddress(std::string_view address) {
    return address.size() >= 8 &&
           (StartsWithNoCase(address, "http://") || StartsWithNoCase(address, "https://"));
}

NewWindowVerdict DecideNewWindow(std::string_view pageAddress, bool blocking, UserActionMarkers& markers,
                                 const TickClock& clock) {
    bool screened = blocking && IsWebPageAddress(pageAddress) && clock.Frequency() > 0;
    bool allowed = !screened || markers.Justifies(clock.Now(), clock.Frequency());
    markers.Clear();
    return allowed ? NewWindowVerdict::Allow : NewWindowVerdict::Block;
}

}  // namespace brisova
