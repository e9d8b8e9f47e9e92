// A score service that misbehaves on purpose, for the tests of the game's client. The first
// part of the request's path chooses how it answers (http://127.0.0.1:PORT/MODE/scores/...);
// "good" answers like the real service, after checking a submission's check value with the
// service's own rules. "hold" answers like "good" once the test releases it, and "flaky" fails
// with 500 as often as the test asked, then answers like "good".
#pragma once

#include "ScoreRequest.h"
#include "Verification.h"
#include "net/loopback_server.h"

#include <atomic>
#include <string>

class HostileScoreService {
public:
    static constexpr const char* GoodList = "<?xml version=\"1.0\"?><scores>"
                                            "<entry><name>Ann</name><score>299000</score><level>3</level><rank>1</rank></entry>"
                                            "<entry><name>Bob</name><score>298000</score><level>3</level><rank>2</rank></entry>"
                                            "</scores>";

    // secretFile: a file the "external" mode's document names as an external entity.
    explicit HostileScoreService(const std::string& secretFile)
    {
        server.on("/good/", [](const std::string& target, const LoopbackServer::Reply& reply) { good(target, reply); });
        server.on("/hold/", [this](const std::string& target, const LoopbackServer::Reply& reply) {
            while (!released && reply.pause(10)) {
            }
            good(target, reply);
        });
        server.on("/flaky/", [this](const std::string& target, const LoopbackServer::Reply& reply) {
            if (failures.fetch_sub(1) > 0)
                reply.send(LoopbackServer::answer(500, "down"));
            else
                good(target, reply);
        });
        server.on("/noanswer/", [](const std::string&, const LoopbackServer::Reply&) {});
        server.on("/stall/", [](const std::string&, const LoopbackServer::Reply& reply) {
            while (reply.pause(100)) {
            }
        });
        server.on("/drip/", [](const std::string&, const LoopbackServer::Reply& reply) {
            reply.send("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n");
            while (reply.send("<") && reply.pause(1000)) {
            }
        });
        server.on("/endless/", [](const std::string&, const LoopbackServer::Reply& reply) {
            reply.send("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n<scores>");
            std::string piece(65536, ' ');
            while (reply.send(piece)) {
            }
        });
        server.on("/huge/", [](const std::string&, const LoopbackServer::Reply& reply) {
            const int megabytes = 50;
            reply.send("HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(megabytes << 20) + "\r\n\r\n");
            std::string piece(1 << 20, ' ');
            for (int i = 0; i < megabytes && reply.send(piece); i++) {
            }
        });
        server.on("/redirect/", [](const std::string& target, const LoopbackServer::Reply& reply) {
            reply.send(LoopbackServer::answer(302, "", "Location: " + target + "&again\r\n"));
        });
        server.on("/missing/", [](const std::string&, const LoopbackServer::Reply& reply) {
            reply.send(LoopbackServer::answer(404, GoodList));
        });
        server.on("/broken/", [](const std::string&, const LoopbackServer::Reply& reply) {
            reply.send(LoopbackServer::answer(500, GoodList));
        });
        server.on("/notxml/", [](const std::string&, const LoopbackServer::Reply& reply) {
            reply.send(LoopbackServer::answer(200, "{\"entries\": [1, 2, 3]}"));
        });
        server.on("/empty/", [](const std::string&, const LoopbackServer::Reply& reply) {
            reply.send(LoopbackServer::answer(200, ""));
        });
        server.on("/deep/", [](const std::string&, const LoopbackServer::Reply& reply) {
            std::string open, close;
            for (int i = 0; i < 100000; i++) {
                open += "<a>";
                close += "</a>";
            }
            reply.send(LoopbackServer::answer(200, "<scores>" + open + close + "</scores>"));
        });
        server.on("/laughs/", [](const std::string&, const LoopbackServer::Reply& reply) {
            std::string doctype = "<!DOCTYPE scores [<!ENTITY lol0 \"lol\">";
            for (int i = 1; i <= 9; i++) {
                std::string previous = "&lol" + std::to_string(i - 1) + ";";
                doctype += "<!ENTITY lol" + std::to_string(i) + " \"";
                for (int k = 0; k < 10; k++)
                    doctype += previous;
                doctype += "\">";
            }
            reply.send(LoopbackServer::answer(200, doctype + "]><scores><entry><name>&lol9;</name>"
                                                   "<score>299000</score><level>3</level></entry></scores>"));
        });
        server.on("/external/", [secretFile](const std::string&, const LoopbackServer::Reply& reply) {
            reply.send(LoopbackServer::answer(
                200, "<?xml version=\"1.0\"?><!DOCTYPE scores [<!ENTITY secret SYSTEM \"file://" + secretFile
                         + "\">]><scores><entry><name>Eve&secret;</name><score>299000</score><level>3</level>"
                           "</entry></scores>"));
        });
    }

    // The base address of one mode.
    std::string base(const std::string& mode) const { return server.url("/" + mode); }
    std::vector<std::string> requests() const { return server.requests(); }
    // Holds the answers of the "hold" mode until release().
    void hold() { released = false; }
    void release() { released = true; }
    // The next requests in the "flaky" mode fail.
    void failNext(int count) { failures = count; }

private:
    static void good(const std::string& target, const LoopbackServer::Reply& reply)
    {
        size_t query = target.find('?');
        std::string_view parameters = query == std::string::npos ? "" : std::string_view(target).substr(query + 1);
        if (target.find("/scores/submit") == std::string::npos) {
            reply.send(LoopbackServer::answer(200, GoodList));
            return;
        }
        scores::ScoreRequest request = scores::ScoreRequest::parseSubmit(parameters);
        if (!request.ok()
            || !scores::Verification::check(request.verification, request.name, request.shop, request.score)) {
            reply.send(LoopbackServer::answer(400, "refused"));
            return;
        }
        std::string list = GoodList;
        list.insert(list.rfind("</scores>"), "<highlight>2</highlight>");
        reply.send(LoopbackServer::answer(200, list));
    }

    std::atomic<bool> released{false};
    std::atomic<int> failures{0};
    // Declared last: its threads end before the flags above go.
    LoopbackServer server;
};
