// The online workers' HTTP request over WinINet. A fetch in progress is abandoned the moment the
// program asks the worker to end (AsyncHttpRequest).
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
