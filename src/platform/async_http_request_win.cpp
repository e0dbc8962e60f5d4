#include "platform/async_http_request_win.h"

#include <algorithm>
#include <atomic>
#include <new>

class AsyncHttpRequest::State {
public:
    explicit State(std::size_t pieceSize)
        : buffer(new (std::nothrow) char[pieceSize]),
          size(static_cast<DWORD>(pieceSize)),
          completed_(::CreateEventA(nullptr, FALSE, FALSE, nullptr)) {}
    State(const State&) = delete;
    State& operator=(const State&) = delete;

    bool usable() const { return buffer && completed_; }
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
    // Waits for the operation WinINet reported as pending. False when it failed or when
    // `abandon` came first.
    bool Await(HANDLE abandon, bool keepPainting) const {
        HANDLE events[] = {abandon, completed_.get()};
        if (!keepPainting)
            return ::WaitForMultipleObjects(2, events, FALSE, INFINITE) == WAIT_OBJECT_0 + 1 && succeeded_.load();
        for (;;) {
            DWORD woken = ::MsgWaitForMultipleObjects(2, events, FALSE, INFINITE, QS_PAINT);
            if (woken != WAIT_OBJECT_0 + 2) return woken == WAIT_OBJECT_0 + 1 && succeeded_.load();
            // Only painting: no input, no timers, nothing that could act on the program meanwhile.
            MSG msg;
            while (::PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) ::DispatchMessageA(&msg);
        }
    }

    std::unique_ptr<char[]> buffer;
    const DWORD size;
    DWORD bytesRead = 0;

private:
    ~State() = default;

    std::atomic<int> refs_{1};
    std::atomic<bool> succeeded_{false};
    ScopedHandle completed_;
};

void CALLBACK AsyncHttpRequest::OnStatus(HINTERNET, DWORD_PTR context, DWORD status, void* info, DWORD) {
    auto* state = reinterpret_cast<State*>(context);
    if (!state) return;
    if (status == INTERNET_STATUS_REQUEST_COMPLETE) {
        auto* result = static_cast<const INTERNET_ASYNC_RESULT*>(info);
        state->Complete(result && result->dwResult != 0);
    } else if (status == INTERNET_STATUS_HANDLE_CLOSING) {
        state->Release();
    }
}

ScopedInternet AsyncHttpRequest::OpenSession(const char* userAgent) {
    ScopedInternet root(::InternetOpenA(userAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, INTERNET_FLAG_ASYNC));
    if (root && ::InternetSetStatusCallbackA(root.get(), OnStatus) == INTERNET_INVALID_STATUS_CALLBACK) {
        root.reset();
    }
    return root;
}

void AsyncHttpRequest::ReleaseState::operator()(State* state) const {
    state->Release();
}

AsyncHttpRequest::AsyncHttpRequest(HINTERNET connection, const Options& options)
    : state_(new (std::nothrow) State(options.pieceSize)), keepPainting_(options.keepPainting) {
    if (!state_ || !state_->usable()) return;
    const char* acceptTypes[] = {"*/*", nullptr};
    // Opened without a context, so that WinINet says nothing about the request to the callback
    // until the handle holds its own reference to the state.
    ScopedInternet request(::HttpOpenRequestA(connection, "GET", options.object, options.version, options.referrer,
                                              acceptTypes, options.flags, 0));
    if (!request) return;
    state_->AddRef();
    auto context = reinterpret_cast<DWORD_PTR>(state_.get());
    if (!::InternetSetOptionA(request.get(), INTERNET_OPTION_CONTEXT_VALUE, &context, sizeof context)) {
        state_->Release();
        return;
    }
    request_ = std::move(request);
}

AsyncHttpRequest::~AsyncHttpRequest() = default;

bool AsyncHttpRequest::Finished(BOOL done, HANDLE abandon) const {
    return done || (::GetLastError() == ERROR_IO_PENDING && state_->Await(abandon, keepPainting_));
}

bool AsyncHttpRequest::Send(HANDLE abandon) {
    if (!request_) return false;
    state_->Begin();
    return Finished(::HttpSendRequestA(request_.get(), nullptr, 0, nullptr, 0), abandon);
}

std::optional<DWORD> AsyncHttpRequest::NumberHeader(DWORD header) const {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (!request_ || !::HttpQueryInfoA(request_.get(), header | HTTP_QUERY_FLAG_NUMBER, &value, &size, nullptr)) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::string_view> AsyncHttpRequest::Read(HANDLE abandon) {
    // A wait that fails counts as abandoned: a read that could not be abandoned is not begun.
    if (!request_ || ::WaitForSingleObject(abandon, 0) != WAIT_TIMEOUT) return std::nullopt;
    state_->Begin();
    state_->bytesRead = 0;
    if (!Finished(::InternetReadFile(request_.get(), state_->buffer.get(), state_->size, &state_->bytesRead), abandon)) {
        return std::nullopt;
    }
    return std::string_view(state_->buffer.get(), std::min(state_->bytesRead, state_->size));
}
