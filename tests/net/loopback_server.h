// A small HTTP server on 127.0.0.1 for the tests, answering from a table of paths; each
// connection gets a thread of its own, so slow answers do not hold up the others. It remembers
// the requests it received and stops all its threads when destroyed.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class LoopbackServer {
public:
    // Writes the whole answer to a connection; false once the client has gone.
    class Reply {
    public:
        Reply(int socket, const std::atomic<bool>& stopping) : socket(socket), stopping(stopping) {}
        bool send(const std::string& bytes) const
        {
            size_t sent = 0;
            while (sent < bytes.size()) {
                ssize_t n = ::send(socket, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
                if (n <= 0)
                    return false;
                sent += static_cast<size_t>(n);
            }
            return true;
        }
        // Waits, but gives up early when the server stops; false then.
        bool pause(int milliseconds) const
        {
            for (int waited = 0; waited < milliseconds; waited += 10) {
                if (stopping)
                    return false;
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
            return !stopping;
        }

    private:
        int socket;
        const std::atomic<bool>& stopping;
    };

    using Handler = std::function<void(const std::string& target, const Reply& reply)>;

    LoopbackServer()
    {
        listener = ::socket(AF_INET, SOCK_STREAM, 0);
        int yes = 1;
        setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(listener, 16);
        socklen_t length = sizeof address;
        getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        acceptor = std::thread([this] { acceptLoop(); });
    }

    ~LoopbackServer()
    {
        stopping = true;
        acceptor.join();
        for (std::thread& worker : workers)
            worker.join();
        ::close(listener);
    }

    // Answers requests whose target (path and query) starts with `prefix`; the longest
    // matching prefix wins.
    void on(const std::string& prefix, Handler handler)
    {
        std::lock_guard<std::mutex> lock(mutex);
        handlers[prefix] = std::move(handler);
    }

    int port() const { return port_; }
    std::string url(const std::string& target) const
    {
        return "http://127.0.0.1:" + std::to_string(port_) + target;
    }

    int connections() const { return accepted; }

    std::vector<std::string> requests() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return received;
    }

    static std::string answer(int status, const std::string& body, const std::string& extraHeaders = "")
    {
        return "HTTP/1.1 " + std::to_string(status) + " Status\r\nContent-Length: "
            + std::to_string(body.size()) + "\r\nConnection: close\r\n" + extraHeaders + "\r\n" + body;
    }

private:
    void acceptLoop()
    {
        while (!stopping) {
            pollfd waiting {listener, POLLIN, 0};
            if (poll(&waiting, 1, 20) <= 0)
                continue;
            int client = accept(listener, nullptr, nullptr);
            if (client < 0)
                continue;
            accepted++;
            workers.emplace_back([this, client] { serve(client); });
        }
    }

    void serve(int client)
    {
        std::string request;
        char buffer[4096];
        while (request.find("\r\n\r\n") == std::string::npos && !stopping) {
            pollfd waiting {client, POLLIN, 0};
            if (poll(&waiting, 1, 20) <= 0)
                continue;
            ssize_t n = recv(client, buffer, sizeof buffer, 0);
            if (n <= 0)
                break;
            request.append(buffer, static_cast<size_t>(n));
        }
        size_t targetStart = request.find(' ') + 1;
        std::string target = request.substr(targetStart, request.find(' ', targetStart) - targetStart);
        Handler handler;
        {
            std::lock_guard<std::mutex> lock(mutex);
            received.push_back(request);
            for (const auto& [prefix, candidate] : handlers)
                if (target.compare(0, prefix.size(), prefix) == 0)
                    handler = candidate;
        }
        Reply reply(client, stopping);
        if (handler)
            handler(target, reply);
        else
            reply.send(answer(404, "no handler"));
        ::shutdown(client, SHUT_RDWR);
        ::close(client);
    }

    int listener = -1;
    int port_ = 0;
    std::atomic<bool> stopping {false};
    std::atomic<int> accepted {0};
    std::thread acceptor;
    std::vector<std::thread> workers;
    mutable std::mutex mutex;
    std::map<std::string, Handler> handlers;
    std::vector<std::string> received;
};
