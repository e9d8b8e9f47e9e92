// HTTP against a loopback server that the tests start themselves: answers of every kind, and
// hostile ones that must end within the time-out with no stream.
#include "net/HttpGet.h"
#include "net/URLConnection.h"
#include "net/curl/CurlHttpGet.h"

#include "loopback_server.h"

#include <gtest/gtest.h>

#include <cstdlib>

using net::URL;
using net::URLConnection;

namespace {

using Stream = URLConnection::URLInputStream;

class HttpAccess : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // The loopback server must be reached directly, whatever proxy the machine names.
        for (const char* name : {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
            unsetenv(name);
        net::HttpGet::install(std::make_unique<net::CurlHttpGet>());
    }

    void SetUp() override
    {
        server.on("/ok", [](const std::string&, const LoopbackServer::Reply& reply) {
            reply.send(LoopbackServer::answer(200, "hello"));
        });
        server.on("/moved", [this](const std::string&, const LoopbackServer::Reply& reply) {
            reply.send(LoopbackServer::answer(302, "redirect page", "Location: " + server.url("/ok") + "\r\n"));
        });
    }

    // The stream of a connection to the target, or null; the timeout in milliseconds.
    lang::Ref<Stream> streamOf(const std::string& target, int32_t timeout = 5000)
    {
        URL url(server.url(target).c_str());
        auto connection = lang::adopt(url.openConnection());
        if (!connection)
            return nullptr;
        connection->setTimeout(timeout);
        return lang::adopt(connection->getInputStream());
    }

    static std::string readAll(Stream& stream)
    {
        std::string text;
        for (int c = stream.read(); c >= 0; c = stream.read())
            text.push_back(static_cast<char>(c));
        return text;
    }

    LoopbackServer server;
};

TEST_F(HttpAccess, Status200GivesAStreamOverTheBody)
{
    auto stream = streamOf("/ok");
    ASSERT_TRUE(stream);
    EXPECT_EQ(readAll(*stream), "hello");
    EXPECT_EQ(stream->read(), -1);
}

TEST_F(HttpAccess, TheRequestIsAPlainUncachedGetWithAgentAndReferrer)
{
    ASSERT_TRUE(streamOf("/ok?name=Ann%20B&score=5"));
    ASSERT_EQ(server.requests().size(), 1u);
    std::string request = server.requests()[0];
    EXPECT_EQ(request.rfind("GET /ok?name=Ann%20B&score=5 HTTP/1.1\r\n", 0), 0u) << request;
    EXPECT_NE(request.find("\r\nUser-Agent: CORVALEN.NET.URL\r\n"), std::string::npos) << request;
    EXPECT_NE(request.find("\r\nReferer: CV\r\n"), std::string::npos) << request;
    EXPECT_NE(request.find("\r\nPragma: no-cache\r\n"), std::string::npos) << request;
    EXPECT_NE(request.find("\r\nCache-Control: no-cache\r\n"), std::string::npos) << request;
}

TEST_F(HttpAccess, ReadingIntoABufferAtAnOffset)
{
    auto stream = streamOf("/ok");
    ASSERT_TRUE(stream);
    uint8_t buffer[8] = {};
    EXPECT_EQ(stream->read(buffer, 2, 3), 3);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer + 2), 3), "hel");
    EXPECT_EQ(buffer[1], 0);
    EXPECT_EQ(stream->read(buffer, 0, 8), 2);
    EXPECT_EQ(buffer[1], 'o');
    EXPECT_EQ(stream->read(buffer, 0, 8), 0);
    EXPECT_EQ(stream->read(nullptr, 0, 8), -1);
}

TEST_F(HttpAccess, SkipResetAndClose)
{
    auto stream = streamOf("/ok");
    ASSERT_TRUE(stream);
    EXPECT_EQ(stream->skip(3), 3);
    EXPECT_EQ(stream->read(), 'l');
    EXPECT_EQ(stream->skip(10), 1);
    EXPECT_EQ(stream->skip(-1), -1);
    stream->reset();
    EXPECT_EQ(readAll(*stream), "hello");
    stream->close();
    uint8_t buffer[4];
    EXPECT_EQ(stream->read(), -1);
    EXPECT_EQ(stream->read(buffer, 0, 4), -1);
    EXPECT_EQ(stream->skip(1), -1);
}

TEST_F(HttpAccess, AByte0xFFReadsAs255)
{
    server.on("/bytes", [](const std::string&, const LoopbackServer::Reply& reply) {
        reply.send(LoopbackServer::answer(200, std::string("\xFF\x00\x80\x7F", 4)));
    });
    auto stream = streamOf("/bytes");
    ASSERT_TRUE(stream);
    EXPECT_EQ(stream->read(), 255);
    EXPECT_EQ(stream->read(), 0);
    EXPECT_EQ(stream->read(), 128);
    EXPECT_EQ(stream->read(), 127);
    EXPECT_EQ(stream->read(), -1);
}

TEST_F(HttpAccess, AnEmptyBodyIsAStreamAtItsEnd)
{
    server.on("/empty", [](const std::string&, const LoopbackServer::Reply& reply) {
        reply.send(LoopbackServer::answer(200, ""));
    });
    auto stream = streamOf("/empty");
    ASSERT_TRUE(stream);
    EXPECT_EQ(stream->read(), -1);
}

TEST_F(HttpAccess, AnyOtherStatusGivesNoStream)
{
    EXPECT_FALSE(streamOf("/nothing-here"));
    for (int status : {201, 204, 500}) {
        server.on("/status", [status](const std::string&, const LoopbackServer::Reply& reply) {
            reply.send(LoopbackServer::answer(status, status == 204 ? "" : "body"));
        });
        EXPECT_FALSE(streamOf("/status")) << status;
    }
}

TEST_F(HttpAccess, ConnectIsMadeOnceAndAFailureMayBeTriedAgain)
{
    std::atomic<bool> up{false};
    server.on("/later", [&up](const std::string&, const LoopbackServer::Reply& reply) {
        reply.send(LoopbackServer::answer(up ? 200 : 503, "x"));
    });
    URL url(server.url("/later").c_str());
    auto connection = lang::adopt(url.openConnection());
    EXPECT_FALSE(connection->connect());
    EXPECT_EQ(connection->getInputStream(), nullptr);
    up = true;
    EXPECT_TRUE(connection->connect());
    EXPECT_TRUE(connection->connect());
    auto first = lang::adopt(connection->getInputStream());
    auto second = lang::adopt(connection->getInputStream());
    EXPECT_EQ(first.get(), second.get());
    EXPECT_EQ(server.requests().size(), 3u);
}

TEST_F(HttpAccess, RedirectsAreFollowedWithoutTheirBodies)
{
    auto stream = streamOf("/moved");
    ASSERT_TRUE(stream);
    EXPECT_EQ(readAll(*stream), "hello");
}

TEST_F(HttpAccess, AtMostFiveRedirects)
{
    server.on("/hop/", [this](const std::string& target, const LoopbackServer::Reply& reply) {
        int left = std::atoi(target.c_str() + 5);
        std::string next = left > 0 ? "/hop/" + std::to_string(left - 1) : "/ok";
        reply.send(LoopbackServer::answer(301, "", "Location: " + next + "\r\n"));
    });
    EXPECT_TRUE(streamOf("/hop/4"));
    EXPECT_FALSE(streamOf("/hop/5"));
}

TEST_F(HttpAccess, ARedirectLoopEndsWithNoStream)
{
    server.on("/loop", [](const std::string&, const LoopbackServer::Reply& reply) {
        reply.send(LoopbackServer::answer(302, "", "Location: /loop\r\n"));
    });
    EXPECT_FALSE(streamOf("/loop"));
    EXPECT_LE(server.requests().size(), 1u + net::HttpGet::MaxRedirects);
}

TEST_F(HttpAccess, ARedirectToAnotherSchemeIsRefused)
{
    LoopbackServer other;
    for (std::string target : {"ftp://127.0.0.1:" + std::to_string(other.port()) + "/x", std::string("file:///etc/passwd")}) {
        server.on("/elsewhere", [target](const std::string&, const LoopbackServer::Reply& reply) {
            reply.send(LoopbackServer::answer(302, "", "Location: " + target + "\r\n"));
        });
        EXPECT_FALSE(streamOf("/elsewhere")) << target;
    }
    // Not even a connection is made to the other scheme's address.
    EXPECT_EQ(other.connections(), 0);
}

TEST_F(HttpAccess, OnlyHttpAndHttpsAreSpoken)
{
    for (const char* text : {"ftp://127.0.0.1:1/x", "file://localhost/etc/passwd", "gopher://127.0.0.1:1/"}) {
        URL url(text);
        ASSERT_TRUE(url.isValid()) << text;
        auto connection = lang::adopt(url.openConnection());
        EXPECT_FALSE(connection->connect()) << text;
    }
}

TEST_F(HttpAccess, CookiesAreNeitherKeptNorSent)
{
    server.on("/cookie", [](const std::string&, const LoopbackServer::Reply& reply) {
        reply.send(LoopbackServer::answer(302, "", "Set-Cookie: session=abc; Path=/\r\nLocation: /ok\r\n"));
    });
    ASSERT_TRUE(streamOf("/cookie"));
    ASSERT_TRUE(streamOf("/ok"));
    for (const std::string& request : server.requests())
        EXPECT_EQ(request.find("Cookie"), std::string::npos) << request;
}

TEST_F(HttpAccess, AServerThatNeverAnswersTimesOut)
{
    server.on("/silent", [](const std::string&, const LoopbackServer::Reply& reply) {
        reply.pause(60000);
    });
    EXPECT_FALSE(streamOf("/silent", 300));
}

TEST_F(HttpAccess, ASlowDripEndsWithinTheTimeOut)
{
    server.on("/drip", [](const std::string&, const LoopbackServer::Reply& reply) {
        if (!reply.send("HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\n"))
            return;
        while (reply.send("x") && reply.pause(20)) {
        }
    });
    EXPECT_FALSE(streamOf("/drip", 400));
}

TEST_F(HttpAccess, TheBodyIsCapped)
{
    const int32_t cap = net::HttpGet::MaxBodyBytes;
    server.on("/sized/", [](const std::string& target, const LoopbackServer::Reply& reply) {
        reply.send(LoopbackServer::answer(200, std::string(std::stoul(target.substr(7)), 'b')));
    });
    // Without a length the cap is found while reading.
    server.on("/unsized/", [](const std::string& target, const LoopbackServer::Reply& reply) {
        reply.send("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + std::string(std::stoul(target.substr(9)), 'u'));
    });
    auto full = streamOf("/sized/" + std::to_string(cap));
    ASSERT_TRUE(full);
    EXPECT_EQ(full->skip(cap + 1), cap);
    EXPECT_FALSE(streamOf("/sized/" + std::to_string(cap + 1)));
    auto unsized = streamOf("/unsized/" + std::to_string(cap));
    ASSERT_TRUE(unsized);
    EXPECT_EQ(unsized->skip(cap + 1), cap);
    EXPECT_FALSE(streamOf("/unsized/" + std::to_string(cap + 1)));
}

TEST_F(HttpAccess, AnEndlessBodyEndsWithNoStream)
{
    server.on("/endless", [](const std::string&, const LoopbackServer::Reply& reply) {
        if (!reply.send("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n"))
            return;
        std::string block(65536, 'e');
        while (reply.send(block)) {
        }
    });
    EXPECT_FALSE(streamOf("/endless", 60000));
}

TEST_F(HttpAccess, NoServerAtThePortGivesNoStream)
{
    // A socket bound but never listening holds its port, which refuses every connection; a
    // closed server's port could be taken meanwhile by a server of a test running beside this one.
    const int holder = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(::bind(holder, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::getsockname(holder, reinterpret_cast<sockaddr*>(&address), &length), 0);
    const std::string url = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/ok";
    auto connection = lang::adopt(URL(url.c_str()).openConnection());
    EXPECT_FALSE(connection->connect());
    ::close(holder);
}

TEST_F(HttpAccess, WithoutATransportNoRequestLeaves)
{
    net::HttpGet::install(nullptr);
    EXPECT_FALSE(streamOf("/ok"));
    EXPECT_TRUE(server.requests().empty());
    net::HttpGet::install(std::make_unique<net::CurlHttpGet>());
}

} // namespace
