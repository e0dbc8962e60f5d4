#include "online/wininet_fetcher_win.h"

#include "framework/handles_win.h"

#include <wininet.h>

#include <algorithm>
#include <atomic>
#include <charconv>
#include <memory>
#include <new>
#include <optional>

namespace {

using ScopedInternet = UniqueHandle<NullIsInvalid<HINTERNET, ::InternetCloseHandle>>;

constexpr DWORD kRequestFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_EXISTING_CONNECT;
constexpr DWORD kStatusTextSize = 499;

// What one request shares with WinINet's status callback. An abandoned operation may still
// complete after the fetch has returned, writing into the buffer and signalling the event, so
// the request handle holds a reference of its own until WinINet reports the handle closing,
// its last word about that handle.
class RequestState {
public:
    RequestState() : completed_(::CreateEventA(nullptr, FALSE, FALSE, nullptr)) {}
    RequestState(const RequestState&) = delete;
    RequestState& operator=(const RequestState&) = delete;

    bool usable() const { return static_cast<bool>(completed_); }
    void AddRef() { refs_.fetch_add(1, std::memory_order_relaxed); }
    void Release() {
        if (refs_.fetch_sub(1, std::memory_order_acq_rel) == 1) delete this;
    }

    // Called before every operation, so that only its own completion can wake the wait.
    void Begin() { ::ResetEvent(completed_.get()); }
    void Complete(bool succeeded) {
        succeeded_.store(succeeded);
        ::SetEvent(completed_.get());
    }
    // Waits for the operation WinINet reported as pending. False when it failed or when the stop
    // request came first.
    bool Await(HANDLE stopEvent) const {
        HANDLE events[] = {stopEvent, completed_.get()};
        return ::WaitForMultipleObjects(2, events, FALSE, INFINITE) == WAIT_OBJECT_0 + 1 && succeeded_.load();
    }

    char buffer[brisova::kFetchPieceSize];
    DWORD bytesRead = 0;

private:
    ~RequestState() = default;

    std::atomic<int> refs_{1};
    std::atomic<bool> succeeded_{false};
    ScopedHandle completed_;
};

struct ReleaseState {
    void operator()(RequestState* state) const { state->Release(); }
};
using StateRef = std::unique_ptr<RequestState, ReleaseState>;

void CALLBACK OnRequestStatus(HINTERNET, DWORD_PTR context, DWORD status, void* info, DWORD) {
    auto* state = reinterpret_cast<RequestState*>(context);
    if (!state) return;
    if (status == INTERNET_STATUS_REQUEST_COMPLETE) {
        auto* result = static_cast<const INTERNET_ASYNC_RESULT*>(info);
        state->Complete(result && result->dwResult != 0);
    } else if (status == INTERNET_STATUS_HANDLE_CLOSING) {
        state->Release();
    }
}

// The request is opened without a context, so that WinINet says nothing about it to the callback
// until it has its own reference to the state.
bool AttachState(HINTERNET request, RequestState& state) {
    state.AddRef();
    auto context = reinterpret_cast<DWORD_PTR>(&state);
    if (::InternetSetOptionA(request, INTERNET_OPTION_CONTEXT_VALUE, &context, sizeof context)) return true;
    state.Release();
    return false;
}

std::optional<int> StatusCode(HINTERNET request) {
    char text[kStatusTextSize] = {};
    DWORD size = sizeof text;
    if (!::HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE, text, &size, nullptr)) return std::nullopt;
    int code = 0;
    if (std::from_chars(text, text + std::min<DWORD>(size, sizeof text), code).ec != std::errc()) return std::nullopt;
    return code;
}

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
    StateRef state(new (std::nothrow) RequestState);
    if (!state || !state->usable()) return false;

    // Declared in this order so that they close request, connection, root.
    ScopedInternet root(::InternetOpenA(brisova::kFetchUserAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr,
                                        INTERNET_FLAG_ASYNC));
    if (!root || ::InternetSetStatusCallbackA(root.get(), OnRequestStatus) == INTERNET_INVALID_STATUS_CALLBACK) {
        return false;
    }
    ScopedInternet connection(::InternetConnectA(root.get(), target->host.c_str(), target->port, "", "",
                                                 INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection) return false;
    const char* acceptTypes[] = {"*/*", nullptr};
    ScopedInternet request(::HttpOpenRequestA(connection.get(), "GET", target->object.c_str(), "HTTP/1.0", nullptr,
                                              acceptTypes, kRequestFlags, 0));
    if (!request || !AttachState(request.get(), *state)) return false;

    auto finished = [&](BOOL done) {
        return done || (::GetLastError() == ERROR_IO_PENDING && state->Await(stopEvent_));
    };
    state->Begin();
    if (!finished(::HttpSendRequestA(request.get(), nullptr, 0, nullptr, 0))) return false;
    if (StatusCode(request.get()) != 200) return false;

    for (;;) {
        if (StopRequested()) return false;
        state->Begin();
        state->bytesRead = 0;
        if (!finished(::InternetReadFile(request.get(), state->buffer, sizeof state->buffer, &state->bytesRead))) {
            return false;
        }
        DWORD length = std::min<DWORD>(state->bytesRead, sizeof state->buffer);
        if (length == 0) return true;
        if (!sink(std::string_view(state->buffer, length))) return false;
    }
}
