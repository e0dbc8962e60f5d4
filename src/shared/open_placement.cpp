#include "shared/open_placement.h"

namespace brisova {

namespace {
int SourceFlag(AddressSource source, const Settings& settings) {
    switch (source) {
    case AddressSource::AddressBar: return settings.addressNewWindow;
    case AddressSource::Favorites: return settings.favNewWindow;
    case AddressSource::Library: return settings.infoNewWindow;
    case AddressSource::History: return settings.hisNewWindow;
    case AddressSource::Search: return settings.searchNewWindow;
    case AddressSource::LibraryPage:
    case AddressSource::OpenDialog:
    case AddressSource::ShopAndTravel: return 0;
    case AddressSource::VendorPage: return 1;
    }
    return 0;
}

bool AlwaysInFront(AddressSource source) {
    return source == AddressSource::Search || source == AddressSource::VendorPage;
}
}  // namespace

OpenPlacement PlaceOpenedAddress(AddressSource source, bool hasActiveWindow, const Settings& settings) {
    bool activeNewWindow = settings.activeNewWindow != 0;
    if (!hasActiveWindow) {
        return {true, source == AddressSource::History ? activeNewWindow : true};
    }
    if (SourceFlag(source, settings) == 0) return {false, false};
    return {true, AlwaysInFront(source) ? true : activeNewWindow};
}

}  // namespace brisova
