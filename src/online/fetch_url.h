// The one HTTP request the online workers make, seen from the portable side: the address split
// the request is built from, and the fetch itself behind an interface (WinINet in the program,
// a scripted fake in tests).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace brisova {

inline constexpr std::uint16_t kDefaultHttpPort = 0;  // InternetConnect's "default port of the service"
inline constexpr const char* kFetchUserAgent = "Mozilla/4.0 (compatible; MSIE 5.0; Windows 98; DigExt)";
inline constexpr std::size_t kFetchPieceSize = 1024;  // the body is read in pieces of at most this

struct FetchTarget {
    std::string host;
    std::uint16_t port = kDefaultHttpPort;
    std::string object;  // the path sent in the request; always begins with "/"
};

// Splits an address the way the fetch connects to it. A missing "http://" (checked without
// regard to case) is implied; the host runs to the first "/", and without one the object is "/".
// "host:8080" connects to that port. No address can be requested from an empty host or a port
// that is not a number from 1 to 65535.
std::optional<FetchTarget> SplitFetchUrl(std::string_view url);

class HttpFetcher {
public:
    // Receives the body piece by piece; returning false ends the fetch as a failure.
    using BodySink = std::function<bool(std::string_view piece)>;

    virtual ~HttpFetcher() = default;

    // True when the system reports a connection to the network.
    virtual bool Connected() = 0;

    // A GET of url (HTTP/1.0, no cache). True only when the status was 200 and the whole body
    // went to sink. An implementation also watches the worker's stop request: once the program
    // asks the worker to stop, a fetch in progress is aborted and returns false.
    virtual bool Fetch(const std::string& url, const BodySink& sink) = 0;
};

}  // namespace brisova
