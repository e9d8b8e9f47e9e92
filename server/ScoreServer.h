// The service's HTTP front: GET /scores/list and GET /scores/submit on a pool of threads,
// one log line per request, and a cap on the request's size. Requests of other paths or
// methods get 404 or 405.
#pragma once

#include "ScoreService.h"

#include <atomic>
#include <cstdio>
#include <memory>
#include <mutex>
#include <string>

namespace httplib {
class Server;
struct Request;
struct Response;
} // namespace httplib

namespace scores {

class ScoreServer {
public:
    struct Options {
        std::string bindAddress = "127.0.0.1";
        // 0 picks a free port.
        int port = 8642;
        int threads = 32;
        // Behind a reverse proxy on this machine, the client's address is the proxy's header
        // X-Real-IP rather than the peer's.
        bool trustProxy = false;
        // Where the log lines go; null for none.
        std::FILE* log = stdout;
    };

    ScoreServer(ScoreService& service, const Options& options);
    ~ScoreServer();
    ScoreServer(const ScoreServer&) = delete;
    ScoreServer& operator=(const ScoreServer&) = delete;

    // Binds the listening socket; the port bound. Throws std::runtime_error when it cannot.
    int bind();
    // Serves until stop() is called (from any thread).
    void run();
    void stop();

private:
    void route();
    void answer(const ScoreService::Reply& reply, httplib::Response& response);
    std::string clientAddress(const httplib::Request& request) const;
    void logLine(const httplib::Request& request, const httplib::Response& response);

    ScoreService& service;
    Options options;
    std::unique_ptr<httplib::Server> http;
    std::mutex logMutex;
    std::atomic<bool> running{false};
    std::atomic<bool> stopRequested{false};
};

} // namespace scores
