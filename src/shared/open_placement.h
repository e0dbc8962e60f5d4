// Where an address from each of the program's sources opens: in the active window, or in a new
// window in front of or behind it.
#pragma once

#include "shared/settings.h"

namespace brisova {

enum class AddressSource {
    AddressBar,     // Enter, Go, or an entry chosen from the address box's list
    Favorites,      // a favourites menu entry
    Library,        // the library's view command
    History,        // a history bar entry
    Search,         // the Search explorer command
    LibraryPage,    // a folder or search page the library builds on a request from its pages
    OpenDialog,     // an address confirmed in the Open dialog
    ShopAndTravel,  // a shop or travel entry of the menu
    VendorPage,     // the vendor's home page, a donation page
};

struct OpenPlacement {
    bool newWindow = false;
    // For a new window: brought to the front (otherwise opened behind the active one).
    bool activate = false;

    friend bool operator==(const OpenPlacement&, const OpenPlacement&) = default;
};

// The first five sources each have their own "...NewWindow" flag; "ActiveNewWindow" decides
// whether a new window comes to the front, except where a source always brings it forward.
// Nonzero flags count as set. The others use the active window, or a new window in front when
// there is none; the vendor's pages always open in a new window in front.
OpenPlacement PlaceOpenedAddress(AddressSource source, bool hasActiveWindow, const Settings& settings);

}  // namespace brisova
