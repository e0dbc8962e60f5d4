#include "online/server_choice.h"

namespace brisova {

ServerChoice::ServerChoice(std::string primary, std::string secondary)
    : primary_(std::move(primary)), secondary_(std::move(secondary)), onSecondary_(!secondary_.empty()) {}

void ServerChoice::AfterFailure() {
    if (onSecondary_) {
        onSecondary_ = primary_.empty();
    } else {
        onSecondary_ = !secondary_.empty();
    }
}

}  // namespace brisova
