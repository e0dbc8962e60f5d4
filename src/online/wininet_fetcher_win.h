// The online workers' HTTP request over WinINet. Requests run in WinINet's asynchronous mode so
// that the worker thread itself stops waiting the moment the program asks it to end: a blocked
// synchronous call cannot be relied on to return when another thread closes its handles (under
// Wine it does not), and a handle closed by another thread could be reused before the worker's
// next call on it.
#pragma once

#include "online/fetch_url.h"

#include <windows.h>

#include <string>

class WinInetFetcher final : public brisova::HttpFetcher {
public:
    // Once stopEvent is set, a fetch in progress is abandoned and every later one fails at once.
    // The event must outlive the fetcher.
    explicit WinInetFetcher(HANDLE stopEvent) : stopEvent_(stopEvent) {}
    WinInetFetcher(const WinInetFetcher&) = delete;
    WinInetFetcher& operator=(const WinInetFetcher&) = delete;

    bool Connected() override;
    bool Fetch(const std::string& url, const BodySink& sink) override;

private:
    bool StopRequested() const;

    HANDLE stopEvent_;
};
