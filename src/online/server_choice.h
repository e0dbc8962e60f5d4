// Which update server the next attempt asks. The first attempt goes to the secondary server, a
// failure moves to the other one, and a success keeps the server that worked. An empty server
// line is never asked, so a list with one server sends every attempt there.
#pragma once

#include <string>

namespace brisova {

class ServerChoice {
public:
    ServerChoice(std::string primary, std::string secondary);

    bool HasServer() const { return !primary_.empty() || !secondary_.empty(); }
    const std::string& Current() const { return onSecondary_ ? secondary_ : primary_; }
    void AfterFailure();

private:
    std::string primary_;
    std::string secondary_;
    bool onSecondary_;
};

}  // namespace brisova
