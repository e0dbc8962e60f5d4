// Fetches what a saved page loads, while the user waits on the Add Information dialog (with a
// wait cursor; the program's windows still repaint meanwhile).
//
// WinINet, not the URL moniker's download functions: those block until the connection gives up,
// with no say in how long that takes, and a page on a dead server would freeze the program for
// minutes. Here every request runs in WinINet's asynchronous mode and the wait for it ends at a
// timer: each resource gets a few seconds, the whole page a bounded total, and a request whose
// time is up is abandoned at once (closing its handles), as the online workers' fetch does on a
// stop. WinINet is also what the browser control loads pages through, so resources the page
// has just shown come out of the same cache and are sent with the same cookies.
// Local resources ("file:" addresses of a page that is a local file itself) are copied.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "infolib/complete_page.h"
#include "platform/async_http_request_win.h"
#include "platform/handles_win.h"

// How long one resource, and all of a page's together, may take.
struct ResourceFetchLimits {
    DWORD eachMilliseconds = 5000;
    DWORD totalMilliseconds = 20000;
};

class WinInetResourceFetcher final : public brisova::ResourceFetcher {
public:
    using Limits = ResourceFetchLimits;

    // `pageAddress` goes with each web request as its referrer, as the browser sends it.
    explicit WinInetResourceFetcher(std::string pageAddress, Limits limits = {});
    WinInetResourceFetcher(const WinInetResourceFetcher&) = delete;
    WinInetResourceFetcher& operator=(const WinInetResourceFetcher&) = delete;

    // Nothing once the total time is spent.
    std::optional<std::string> Fetch(const std::string& address) override;

private:
    std::optional<std::string> FetchOnline(const std::string& address);
    // Sets the timer for one fetch; false when no time is left.
    bool StartClock();

    std::string referrer_;
    Limits limits_;
    ULONGLONG deadline_;
    ScopedHandle timer_;
    ScopedInternet session_;
};
