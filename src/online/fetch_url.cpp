#include "online/fetch_url.h"

#include <cctype>

namespace brisova {

namespace {

bool StartsWithHttpScheme(std::string_view url) {
    constexpr std::string_view scheme = "http://";
    if (url.size() < scheme.size()) return false;
    for (std::size_t i = 0; i < scheme.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(url[i])) != scheme[i]) return false;
    }
    return true;
}

std::optional<std::uint16_t> ParsePort(std::string_view text) {
    if (text.empty() || text.size() > 5) return std::nullopt;
    unsigned value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    if (value == 0 || value > 65535) return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

}  // namespace

std::optional<FetchTarget> SplitFetchUrl(std::string_view url) {
    std::string_view rest = StartsWithHttpScheme(url) ? url.substr(7) : url;
    std::size_t slash = rest.find('/');
    std::string_view authority = rest.substr(0, slash);

    FetchTarget target;
    target.object = slash == std::string_view::npos ? "/" : std::string(rest.substr(slash));

    // A bracketed IPv6 literal carries colons of its own; the port follows the bracket.
    std::size_t hostEnd = authority.find(':');
    if (!authority.empty() && authority.front() == '[') {
        std::size_t close = authority.find(']');
        if (close == std::string_view::npos) return std::nullopt;
        hostEnd = close + 1;
        if (hostEnd < authority.size() && authority[hostEnd] != ':') return std::nullopt;
        if (hostEnd == authority.size()) hostEnd = std::string_view::npos;
    }
    target.host = std::string(authority.substr(0, hostEnd));
    if (target.host.empty()) return std::nullopt;
    if (hostEnd != std::string_view::npos) {
        std::optional<std::uint16_t> port = ParsePort(authority.substr(hostEnd + 1));
        if (!port) return std::nullopt;
        target.port = *port;
    }
    return target;
}

}  // namespace brisova
