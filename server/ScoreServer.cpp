#include "ScoreServer.h"

#include <httplib.h>

#include <chrono>
#include <ctime>
#include <stdexcept>
#include <thread>

namespace scores {

namespace {

// The query of a raw request target, without its "?".
std::string_view queryOf(const std::string& target)
{
    size_t mark = target.find('?');
    return mark == std::string::npos ? std::string_view() : std::string_view(target).substr(mark + 1);
}

// A request longer than this (line and headers) is not read.
constexpr size_t MaxTargetBytes = 1024;

} // namespace

ScoreServer::ScoreServer(ScoreService& service, const Options& options)
    : service(service), options(options), http(std::make_unique<httplib::Server>())
{
    int threads = options.threads > 0 ? options.threads : 1;
    http->new_task_queue = [threads] { return new httplib::ThreadPool(static_cast<size_t>(threads)); };
    http->set_payload_max_length(1024);
    http->set_read_timeout(5, 0);
    http->set_write_timeout(5, 0);
    http->set_keep_alive_timeout(2);
    http->set_keep_alive_max_count(1000);
    http->set_tcp_nodelay(true);
    route();
}

ScoreServer::~ScoreServer()
{
    stop();
}

void ScoreServer::route()
{
    http->set_pre_routing_handler([](const httplib::Request& request, httplib::Response& response) {
        if (request.target.size() > MaxTargetBytes) {
            response.status = 414;
            response.set_content("request too long\n", "text/plain");
            return httplib::Server::HandlerResponse::Handled;
        }
        if (request.method != "GET" && request.method != "HEAD") {
            response.status = 405;
            response.set_content("only GET\n", "text/plain");
            return httplib::Server::HandlerResponse::Handled;
        }
        return httplib::Server::HandlerResponse::Unhandled;
    });
    http->Get("/scores/list", [this](const httplib::Request& request, httplib::Response& response) {
        answer(service.list(queryOf(request.target), clientAddress(request)), response);
    });
    http->Get("/scores/submit", [this](const httplib::Request& request, httplib::Response& response) {
        answer(service.submit(queryOf(request.target), clientAddress(request)), response);
    });
    http->set_error_handler([](const httplib::Request&, httplib::Response& response) {
        if (response.body.empty())
            response.set_content(std::to_string(response.status) + "\n", "text/plain");
    });
    http->set_exception_handler([](const httplib::Request&, httplib::Response& response, std::exception_ptr) {
        response.status = 500;
        response.set_content("internal error\n", "text/plain");
    });
    http->set_logger([this](const httplib::Request& request, const httplib::Response& response) {
        logLine(request, response);
    });
}

void ScoreServer::answer(const ScoreService::Reply& reply, httplib::Response& response)
{
    response.status = reply.status;
    response.set_header("Cache-Control", "no-store");
    response.set_content(reply.body, reply.isXml() ? "text/xml; charset=utf-8" : "text/plain");
}

std::string ScoreServer::clientAddress(const httplib::Request& request) const
{
    bool fromThisMachine = request.remote_addr == "127.0.0.1" || request.remote_addr == "::1";
    if (options.trustProxy && fromThisMachine && request.has_header("X-Real-IP"))
        return request.get_header_value("X-Real-IP");
    return request.remote_addr;
}

void ScoreServer::logLine(const httplib::Request& request, const httplib::Response& response)
{
    if (!options.log)
        return;
    char stamp[32];
    std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%SZ", &utc);
    std::lock_guard<std::mutex> lock(logMutex);
    std::fprintf(options.log, "%s %s %s %s %d %zu\n", stamp, clientAddress(request).c_str(), request.method.c_str(),
                 request.target.substr(0, 200).c_str(), response.status, response.body.size());
    std::fflush(options.log);
}

int ScoreServer::bind()
{
    int port = options.port == 0 ? http->bind_to_any_port(options.bindAddress)
                                 : (http->bind_to_port(options.bindAddress, options.port) ? options.port : -1);
    if (port < 0)
        throw std::runtime_error("cannot listen on " + options.bindAddress + ":" + std::to_string(options.port));
    return port;
}

void ScoreServer::run()
{
    running = true;
    if (!stopRequested)
        http->listen_after_bind();
    running = false;
}

void ScoreServer::stop()
{
    stopRequested = true;
    // A run that has begun but is not listening yet would miss a single stop.
    while (running) {
        http->stop();
        if (running)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

} // namespace scores
