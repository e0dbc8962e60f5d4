// An HTTP server on 127.0.0.1 for tests, run inside the test's own process. It answers GET
// requests from a table of paths, can hold an answer back (to test requests that are abandoned),
// and records every request it receives.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

class LoopbackHttpServer {
public:
    // A stalled answer stops and holds the connection open for 10 seconds, or until the server
    // goes, then closes it.
    enum class Stall {
        None,
        BeforeHeaders,  // nothing is answered
        InBody,         // the headers and half of the body are sent
    };
    struct Response {
        int status = 200;
        std::string body;
        Stall stall = Stall::None;
    };
    struct Request {
        std::string path;
        std::string head;  // the request line and the headers as received
        std::chrono::steady_clock::time_point time;
    };

    // Listens on a free port; listening() says whether that worked.
    LoopbackHttpServer();
    // Ends every connection, held ones too, and waits for them.
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    bool listening() const { return port_ != 0; }
    std::uint16_t port() const { return port_; }
    // "127.0.0.1:<port>", to be put after a scheme or used without one.
    std::string authority() const;

    // A path not served is answered 404.
    void Serve(const std::string& path, Response response);
    void Serve(const std::string& path, std::string body) { Serve(path, Response{200, std::move(body)}); }

    std::vector<Request> requests() const;
    std::vector<std::string> paths() const;
    std::size_t CountOf(const std::string& path) const;
    // Waits until at least `count` requests have arrived.
    bool WaitForRequests(std::size_t count, std::chrono::milliseconds timeout) const;

private:
    void AcceptLoop();
    void Answer(std::uintptr_t client);
    void Hold();

    std::uintptr_t listener_;
    std::uint16_t port_ = 0;
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    bool closing_ = false;
    std::map<std::string, Response> responses_;
    std::vector<Request> requests_;
    std::set<std::uintptr_t> clients_;
    std::vector<std::thread> connections_;
    std::thread acceptor_;
};
