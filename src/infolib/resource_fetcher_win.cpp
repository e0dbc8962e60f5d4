#include "infolib/resource_fetcher_win.h"

#include <urlmon.h>

#include <algorithm>
#include <string_view>

#include "framework/text_win.h"
#include "infolib/web_address.h"

namespace {

constexpr std::size_t kPieceSize = 16 * 1024;

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
      session_(AsyncHttpRequest::OpenSession(UserAgent().c_str())) {
    // A local page's path is nobody's business.
    std::string scheme = brisova::AddressScheme(pageAddress);
    if (scheme == "http" || scheme == "https") referrer_ = std::move(pageAddress);
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
    if (!session_ || !StartClock()) return std::nullopt;
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

    if (host.empty()) return std::nullopt;

    DWORD flags = INTERNET_FLAG_NO_UI | INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTP | INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTPS;
    if (parts.nScheme == INTERNET_SCHEME_HTTPS) flags |= INTERNET_FLAG_SECURE;
    // Declared in this order so that the request closes before its connection.
    ScopedInternet connection(::InternetConnectA(session_.get(), host.c_str(), parts.nPort, nullptr, nullptr,
                                                 INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection) return std::nullopt;
    AsyncHttpRequest::Options options;
    options.object = object.c_str();
    options.referrer = referrer_.empty() ? nullptr : referrer_.c_str();
    options.flags = flags;
    options.pieceSize = kPieceSize;
    options.keepPainting = true;
    AsyncHttpRequest request(connection.get(), options);
    if (!request.Send(timer_.get())) return std::nullopt;
    std::optional<DWORD> status = request.NumberHeader(HTTP_QUERY_STATUS_CODE);
    if (!status || *status < 200 || *status > 299) return std::nullopt;
    std::optional<DWORD> length = request.NumberHeader(HTTP_QUERY_CONTENT_LENGTH);
    if (length && *length > brisova::kMaxResourceBytes) return std::nullopt;

    std::string body;
    for (;;) {
        std::optional<std::string_view> piece = request.Read(timer_.get());
        if (!piece) return std::nullopt;
        if (piece->empty()) return body;
        if (body.size() + piece->size() > brisova::kMaxResourceBytes) return std::nullopt;
        body.append(*piece);
    }
}
