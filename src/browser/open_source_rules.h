// Where an address from each of the program's sources opens: in the active window, or in a new
// window in front of or behind it.
#pragma once

#include "app/settings.h"

namespace brisova {

enum class AddressSource {
    AddressBar,  // Enter, Go, or an entry chosen from the address box's list
    Favorites,   // a favourites menu entry
    Library,     // the library's view command
    History,     // a history bar entry
    Search,      // the Search explorer command
};

struct OpenPlacement {
    bool newWindow = false;
    // For a new window: brought to the front (otherwise opened behind the active one).
    bool activate = false;

    friend bool operator==(const OpenPlacement&, const OpenPlacement&) = default;
};

// Each source has its own "...NewWindow" flag; "ActiveNewWindow" decides whether a new window
// comes to the front, except where a source always brings it forward. Nonzero flags count as set.
OpenPlacement PlaceOpenedAddress(AddressSource source, bool hasActiveWindow, const Settings& settings);

}  // namespace brisova
