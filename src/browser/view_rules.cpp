#include "browser/view_rules.h"

namespace brisova {

int ProgressPercent(long progress, long maximum) {
    if (maximum <= 0 || progress < 0 || maximum / 100 == 0) return -1;
    long percent = progress / (maximum / 100);
    return percent > 100 ? 100 : static_cast<int>(percent);
}

bool IsSecureAddress(std::string_view address) {
    return address.substr(0, 5) == "https";
}

bool IsLibraryPseudoAddress(std::string_view address) {
    return address.starts_with("http://$I") || address.starts_with("http://$S") ||
           address.starts_with("http://$D");
}

bool IsSuppressedScriptMessage(std::string_view messageText) {
    return messageText.find(" ActiveX ") != std::string_view::npos;
}

KeyRoute RouteViewKey(unsigned virtualKey, bool ctrlDown) {
    if (virtualKey >= kVkF1 || virtualKey == kVkEscape) return KeyRoute::Dispatch;
    if (ctrlDown) {
        bool editingKey = virtualKey == kVkControl || virtualKey == kVkInsert || virtualKey == 'C' ||
                          virtualKey == 'V' || virtualKey == 'X' || virtualKey == 'Z';
        if (!editingKey) return KeyRoute::Dispatch;
    }
    return virtualKey == kVkReturn ? KeyRoute::Dispatch : KeyRoute::OfferToControl;
}

bool NavigationState::BeginNavigation(const std::string& address, bool topLevel) {
    if (!topLevel) return false;
    secure_ = IsSecureAddress(address);
    if (address == address_) return false;
    address_ = address;
    return true;
}

bool NavigationState::CompleteDocument(const std::string& address) {
    if (address == address_) return false;
    address_ = address;
    return true;
}

void NavigationState::SetCommandState(long command, bool enabled) {
    if (command == 2) canGoBack_ = enabled;
    else if (command == 1) canGoForward_ = enabled;
}

}  // namespace brisova
