#include <winsock2.h>

#include "support/loopback_http_server_win.h"

#include <string_view>

namespace {

// Winsock, looked up at run time: the test programs link no socket library.
struct Winsock {
    static const Winsock& Get() {
        static const Winsock api;
        return api;
    }

    template <class F>
    F Find(const char* name) const {
        return reinterpret_cast<F>(::GetProcAddress(module, name));
    }

    HMODULE module = ::LoadLibraryA("ws2_32.dll");
    decltype(&::WSAStartup) startup = Find<decltype(&::WSAStartup)>("WSAStartup");
    decltype(&::socket) socket = Find<decltype(&::socket)>("socket");
    decltype(&::bind) bind = Find<decltype(&::bind)>("bind");
    decltype(&::listen) listen = Find<decltype(&::listen)>("listen");
    decltype(&::getsockname) getsockname = Find<decltype(&::getsockname)>("getsockname");
    decltype(&::accept) accept = Find<decltype(&::accept)>("accept");
    decltype(&::recv) recv = Find<decltype(&::recv)>("recv");
    decltype(&::send) send = Find<decltype(&::send)>("send");
    decltype(&::shutdown) shutdown = Find<decltype(&::shutdown)>("shutdown");
    decltype(&::closesocket) closesocket = Find<decltype(&::closesocket)>("closesocket");
    bool ready = Start();

private:
    Winsock() = default;
    bool Start() const {
        WSADATA data;
        return startup && socket && bind && listen && getsockname && accept && recv && send && shutdown &&
               closesocket && startup(MAKEWORD(2, 2), &data) == 0;
    }
};

bool SendAll(SOCKET client, std::string_view bytes) {
    while (!bytes.empty()) {
        int sent = Winsock::Get().send(client, bytes.data(), static_cast<int>(bytes.size()), 0);
        if (sent <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
}

std::string ReadHead(SOCKET client) {
    std::string head;
    char buffer[4096];
    while (head.find("\r\n\r\n") == std::string::npos && head.size() < 64 * 1024) {
        int got = Winsock::Get().recv(client, buffer, sizeof buffer, 0);
        if (got <= 0) break;
        head.append(buffer, static_cast<std::size_t>(got));
    }
    return head.substr(0, head.find("\r\n\r\n"));
}

// The second word of the request line.
std::string PathOf(const std::string& head) {
    std::size_t start = head.find(' ');
    if (start == std::string::npos) return "";
    std::size_t end = head.find(' ', start + 1);
    return head.substr(start + 1, end == std::string::npos ? std::string::npos : end - start - 1);
}

}  // namespace

LoopbackHttpServer::LoopbackHttpServer() : listener_(INVALID_SOCKET) {
    const Winsock& ws = Winsock::Get();
    if (!ws.ready) return;
    SOCKET listener = ws.socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (listener == INVALID_SOCKET) return;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.S_un.S_un_b = {127, 0, 0, 1};
    int length = sizeof address;
    auto* name = reinterpret_cast<sockaddr*>(&address);
    if (ws.bind(listener, name, sizeof address) != 0 || ws.listen(listener, SOMAXCONN) != 0 ||
        ws.getsockname(listener, name, &length) != 0) {
        ws.closesocket(listener);
        return;
    }
    listener_ = listener;
    port_ = static_cast<std::uint16_t>((address.sin_port >> 8) | ((address.sin_port & 0xff) << 8));
    acceptor_ = std::thread([this] { AcceptLoop(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
    const Winsock& ws = Winsock::Get();
    {
        std::lock_guard lock(mutex_);
        closing_ = true;
        for (std::uintptr_t client : clients_) ws.shutdown(client, SD_BOTH);
    }
    changed_.notify_all();
    if (listener_ != INVALID_SOCKET) ws.closesocket(listener_);
    if (acceptor_.joinable()) acceptor_.join();
    for (std::thread& connection : connections_) connection.join();
}

std::string LoopbackHttpServer::authority() const {
    return "127.0.0.1:" + std::to_string(port_);
}

void LoopbackHttpServer::Serve(const std::string& path, Response response) {
    std::lock_guard lock(mutex_);
    responses_[path] = std::move(response);
}

std::vector<LoopbackHttpServer::Request> LoopbackHttpServer::requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

std::vector<std::string> LoopbackHttpServer::paths() const {
    std::vector<std::string> paths;
    for (const Request& request : requests()) paths.push_back(request.path);
    return paths;
}

std::size_t LoopbackHttpServer::CountOf(const std::string& path) const {
    std::size_t count = 0;
    for (const Request& request : requests()) count += request.path == path;
    return count;
}

bool LoopbackHttpServer::WaitForRequests(std::size_t count, std::chrono::milliseconds timeout) const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, timeout, [&] { return requests_.size() >= count; });
}

void LoopbackHttpServer::AcceptLoop() {
    const Winsock& ws = Winsock::Get();
    for (;;) {
        SOCKET client = ws.accept(listener_, nullptr, nullptr);
        if (client == INVALID_SOCKET) return;
        std::lock_guard lock(mutex_);
        if (closing_) {
            ws.closesocket(client);
            return;
        }
        clients_.insert(client);
        connections_.emplace_back([this, client] { Answer(client); });
    }
}

void LoopbackHttpServer::Answer(std::uintptr_t client) {
    std::string head = ReadHead(client);
    Response response{404, "not served"};
    {
        std::lock_guard lock(mutex_);
        requests_.push_back({PathOf(head), head, std::chrono::steady_clock::now()});
        if (auto found = responses_.find(requests_.back().path); found != responses_.end()) response = found->second;
    }
    changed_.notify_all();

    std::string headers = "HTTP/1.0 " + std::to_string(response.status) + " Test\r\nContent-Length: " +
                          std::to_string(response.body.size()) + "\r\nConnection: close\r\n\r\n";
    switch (response.stall) {
        case Stall::None:
            SendAll(client, headers + response.body);
            break;
        case Stall::BeforeHeaders:
            Hold();
            break;
        case Stall::InBody:
            SendAll(client, headers + response.body.substr(0, response.body.size() / 2));
            Hold();
            break;
    }
    {
        std::lock_guard lock(mutex_);
        clients_.erase(client);
    }
    Winsock::Get().closesocket(client);
}

// Bounded, so that a client that fails to give up on a held answer makes a test slow, not stuck.
void LoopbackHttpServer::Hold() {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, std::chrono::seconds(10), [&] { return closing_; });
}
