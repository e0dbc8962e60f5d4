#include "browser/open_source_rules.h"

namespace brisova {

namespace {
int SourceFlag(AddressSource source, const Settings& settings) {
    switch (source) {
    case AddressSource::AddressBar: return settings.addressNewWindow;
    case AddressSource::Favorites: return settings.favNewWindow;
    case AddressSource::Library: return settings.infoNewWindow;
    case AddressSource::History: return settings.hisNewWindow;
    case AddressSource::Search: return settings.searchNewWindow;
    }
    return 0;
}
}  // namespace

OpenPlacement PlaceOpenedAddress(AddressSource source, bool hasActiveWindow, const Settings& settings) {
    bool activeNewWindow = settings.activeNewWindow != 0;
    if (!hasActiveWindow) {
        return {true, source == AddressSource::History ? activeNewWindow : true};
    }
    if (SourceFlag(source, settings) == 0) return {false, false};
    return {true, source == AddressSource::Search ? true : activeNewWindow};
}

}  // namespace brisova
