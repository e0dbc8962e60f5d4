#include "infolib/resource_fetcher_win.h"

#include <urlmon.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <new>

#include "framework/text_win.h"
#include "infolib/web_address.h"

namespace {

constexpr DWORD kPieceSize = 16 * 1024;

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
    // Waits for the operation WinINet reported as pending. False when it failed or when the
    // time ran out first.
    bool Await(HANDLE timeUp) const {
        HANDLE events[] = {timeUp, completed_.get()};
        return ::WaitForMultipleObjects(2, events, FALSE, INFINITE) == WAIT_OBJECT_0 + 1 && succeeded_.load();
    }

    char buffer[kPieceSize];
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

// The request is opened without a context, so that WinINet says nothing about it to the
// callback until it has its own reference to the state.
bool AttachState(HINTERNET request, RequestState& state) {
    state.AddRef();
    auto context = reinterpret_cast<DWORD_PTR>(&state);
    if (::InternetSetOptionA(request, INTERNET_OPTION_CONTEXT_VALUE, &context, sizeof context)) return true;
    state.Release();
    return false;
}

std::optional<DWORD> HeaderNumber(HINTERNET request, DWORD header) {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (!::HttpQueryInfoA(request, header | HTTP_QUERY_FLAG_NUMBER, &value, &size, nullptr)) return std::nullopt;
    return value;
}

// The browser control's own, so that servers answer as they answered the page.
std::string UserAgent() {
    char agent[512] = {};
    DWORD size = sizeof agent;
    if (SUCCEEDED(::ObtainUserAgentString(0, agent, &size)) && agent[0]) return agent;
    return "Mozilla/4.0 (compatible; MSIE 8.0; Windows NT 6.1)";
}

// A path's bytes as the page wrote them: UTF-8 when they are valid UTF-8, else the user's
// code page.
std::wstring WidePath(const std::string& path) {
    int size = static_cast<int>(path.size());
    int n = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), size, nullptr, 0);
    if (n <= 0) return WideFromNarrow(path);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), size, wide.data(), n);
    return wide;
}

std::optional<std::string> ReadLocalFile(const std::string& address) {
    std::optional<std::string> path = brisova::LocalPathFromFileAddress(address);
    if (!path) return std::nullopt;
    ScopedFile file(::CreateFileW(WidePath(*path).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    // A device ("C:\pictures\con.png" is the console) could wait for input that never comes.
    if (!file || ::GetFileType(file.get()) != FILE_TYPE_DISK) return std::nullopt;
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) > brisova::kMaxResourceBytes) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
        if (!::ReadFile(file.get(), bytes.data() + done, want, &read, nullptr) || read == 0) return std::nullopt;
        done += read;
    }
    return bytes;
}

}  // namespace

WinInetResourceFetcher::WinInetResourceFetcher(std::string pageAddress, Limits limits)
    : limits_(limits),
      deadline_(::GetTickCount64() + limits.totalMilliseconds),
      timer_(::CreateWaitableTimerW(nullptr, TRUE, nullptr)),
      root_(::InternetOpenA(UserAgent().c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, INTERNET_FLAG_ASYNC)) {
    // A local page's path is nobody's business.
    std::string scheme = brisova::AddressScheme(pageAddress);
    if (scheme == "http" || scheme == "https") referrer_ = std::move(pageAddress);
    if (root_ && ::InternetSetStatusCallbackA(root_.get(), OnRequestStatus) == INTERNET_INVALID_STATUS_CALLBACK) {
        root_.reset();
    }
}

bool WinInetResourceFetcher::StartClock() {
    ULONGLONG now = ::GetTickCount64();
    if (!timer_ || now >= deadline_) return false;
    ULONGLONG milliseconds = std::min<ULONGLONG>(limits_.eachMilliseconds, deadline_ - now);
    LARGE_INTEGER due{};
    due.QuadPart = -static_cast<LONGLONG>(milliseconds) * 10000;  // relative, in 100 ns
    return ::SetWaitableTimer(timer_.get(), &due, 0, nullptr, nullptr, FALSE) != FALSE;
}

std::optional<std::string> WinInetResourceFetcher::Fetch(const std::string& address) {
    std::string scheme = brisova::AddressScheme(address);
    if (scheme == "file") return ReadLocalFile(address);
    if (scheme != "http" && scheme != "https") return std::nullopt;
    if (!root_ || !StartClock()) return std::nullopt;
    return FetchOnline(address);
}

std::optional<std::string> WinInetResourceFetcher::FetchOnline(const std::string& address) {
    std::string host(address.size() + 1, '\0');
    std::string path(address.size() + 1, '\0');
    std::string extra(address.size() + 1, '\0');
    URL_COMPONENTSA parts{};
    parts.dwStructSize = sizeof parts;
    parts.lpszHostName = host.data();
    parts.dwHostNameLength = static_cast<DWORD>(host.size());
    parts.lpszUrlPath = path.data();
    parts.dwUrlPathLength = static_cast<DWORD>(path.size());
    parts.lpszExtraInfo = extra.data();
    parts.dwExtraInfoLength = static_cast<DWORD>(extra.size());
    if (!::InternetCrackUrlA(address.c_str(), static_cast<DWORD>(address.size()), 0, &parts)) return std::nullopt;
    if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) return std::nullopt;
    host.resize(parts.dwHostNameLength);
    std::string object = path.substr(0, parts.dwUrlPathLength) + extra.substr(0, parts.dwExtraInfoLength);
    if (std::size_t hash = object.find('#'); hash != std::string::npos) object.resize(hash);
    if (object.empty() || object.front() != '/') object.insert(0, "/");

    StateRef state(new (std::nothrow) RequestState);
    if (!state || !state->usable() || host.empty()) return std::nullopt;

    DWORD flags = INTERNET_FLAG_NO_UI | INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTP | INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTPS;
    if (parts.nScheme == INTERNET_SCHEME_HTTPS) flags |= INTERNET_FLAG_SECURE;
    // Declared in this order so that the request closes before its connection.
    ScopedInternet connection(::InternetConnectA(root_.get(), host.c_str(), parts.nPort, nullptr, nullptr,
                                                 INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection) return std::nullopt;
    const char* acceptTypes[] = {"*/*", nullptr};
    ScopedInternet request(::HttpOpenRequestA(connection.get(), "GET", object.c_str(), nullptr,
                                              referrer_.empty() ? nullptr : referrer_.c_str(), acceptTypes, flags, 0));
    if (!request || !AttachState(request.get(), *state)) return std::nullopt;

    auto finished = [&](BOOL done) {
        return done || (::GetLastError() == ERROR_IO_PENDING && state->Await(timer_.get()));
    };
    state->Begin();
    if (!finished(::HttpSendRequestA(request.get(), nullptr, 0, nullptr, 0))) return std::nullopt;
    std::optional<DWORD> status = HeaderNumber(request.get(), HTTP_QUERY_STATUS_CODE);
    if (!status || *status < 200 || *status > 299) return std::nullopt;
    std::optional<DWORD> length = HeaderNumber(request.get(), HTTP_QUERY_CONTENT_LENGTH);
    if (length && *length > brisova::kMaxResourceBytes) return std::nullopt;

    std::string body;
    for (;;) {
        if (::WaitForSingleObject(timer_.get(), 0) != WAIT_TIMEOUT) return std::nullopt;
        state->Begin();
        state->bytesRead = 0;
        if (!finished(::InternetReadFile(request.get(), state->buffer, sizeof state->buffer, &state->bytesRead))) {
            return std::nullopt;
        }
        DWORD got = std::min<DWORD>(state->bytesRead, sizeof state->buffer);
        if (got == 0) return body;
        if (body.size() + got > brisova::kMaxResourceBytes) return std::nullopt;
        body.append(state->buffer, got);
    }
}
