#include "online/wininet_fetcher_win.h"

#include <optional>
#include <string_view>

#include "platform/async_http_request_win.h"

namespace {

constexpr DWORD kRequestFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_EXISTING_CONNECT;

}  // namespace

// A wait that fails counts as a stop: a fetch that could not be abandoned is not begun.
bool WinInetFetcher::StopRequested() const {
    return ::WaitForSingleObject(stopEvent_, 0) != WAIT_TIMEOUT;
}

bool WinInetFetcher::Connected() {
    DWORD flags = 0;
    return ::InternetGetConnectedState(&flags, 0) != FALSE;
}

bool WinInetFetcher::Fetch(const std::string& url, const BodySink& sink) {
    std::optional<brisova::FetchTarget> target = brisova::SplitFetchUrl(url);
    if (!target || StopRequested()) return false;

    // Declared in this order so that they close request, connection, session.
    ScopedInternet session = AsyncHttpRequest::OpenSession(brisova::kFetchUserAgent);
    if (!session) return false;
    ScopedInternet connection(::InternetConnectA(session.get(), target->host.c_str(), target->port, "", "",
                                                 INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection) return false;
    AsyncHttpRequest::Options options;
    options.object = target->object.c_str();
    options.version = "HTTP/1.0";
    options.flags = kRequestFlags;
    options.pieceSize = brisova::kFetchPieceSize;
    AsyncHttpRequest request(connection.get(), options);
    if (!request.Send(stopEvent_) || request.NumberHeader(HTTP_QUERY_STATUS_CODE) != 200u) return false;
    for (;;) {
        std::optional<std::string_view> piece = request.Read(stopEvent_);
        if (!piece) return false;
        if (piece->empty()) return true;
        if (!sink(*piece)) return false;
    }
}
