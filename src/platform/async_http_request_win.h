// One HTTP request over WinINet in its asynchronous mode, for threads that must be able to stop
// waiting at once: every wait also ends when a given event is signalled (a stop request, a
// timer). A blocked synchronous call cannot be relied on to return when another thread closes
// its handles (under Wine it does not), and a handle closed by another thread could be reused
// before the waiting thread's next call on it.
//
// An abandoned operation may still complete after the request object is gone, writing into its
// buffer and signalling its event, so that state is reference-counted: the request handle keeps
// a reference of its own until WinINet reports the handle closing, its last word about it.
#pragma once

#include <windows.h>
#include <wininet.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <string_view>

#include "platform/handles_win.h"

using ScopedInternet = UniqueHandle<NullIsInvalid<HINTERNET, ::InternetCloseHandle>>;

class AsyncHttpRequest {
public:
    // A WinINet session in asynchronous mode whose requests report to this class; empty when
    // WinINet refuses either step.
    static ScopedInternet OpenSession(const char* userAgent);

    struct Options {
        const char* object = "/";
        const char* version = nullptr;   // WinINet's default when null
        const char* referrer = nullptr;
        DWORD flags = 0;
        std::size_t pieceSize = 1024;    // the most one Read returns
        // While waiting, the calling thread's windows still repaint (for the user-interface
        // thread, so that a slow server leaves no unpainted windows behind).
        bool keepPainting = false;
    };

    // A GET request on `connection`, a connection of a session from OpenSession.
    AsyncHttpRequest(HINTERNET connection, const Options& options);
    ~AsyncHttpRequest();
    AsyncHttpRequest(const AsyncHttpRequest&) = delete;
    AsyncHttpRequest& operator=(const AsyncHttpRequest&) = delete;

    bool usable() const { return static_cast<bool>(request_); }
    // Sends the request and waits for the answer's headers; false on failure or when `abandon`
    // was signalled first.
    bool Send(HANDLE abandon);
    std::optional<DWORD> NumberHeader(DWORD header) const;
    // The next piece of the body: empty at its end, nothing on failure or when `abandon` was
    // signalled first (or already is).
    std::optional<std::string_view> Read(HANDLE abandon);

private:
    class State;
    struct ReleaseState {
        void operator()(State* state) const;
    };

    static void CALLBACK OnStatus(HINTERNET, DWORD_PTR context, DWORD status, void* info, DWORD);
    bool Finished(BOOL done, HANDLE abandon) const;

    // Declared first, so that this object's reference goes only after the request handle closed.
    std::unique_ptr<State, ReleaseState> state_;
    ScopedInternet request_;
    bool keepPainting_;
};
