// One plain HTTP GET of a whole body, the seam to the transfer library underneath. Only http and
// https are spoken, redirects are followed a few times (never to another scheme), the body is
// capped, and the whole exchange (connect, send, receive) must end within the time-out, which is
// never infinite. The request says "CORVALEN.NET.URL" as its agent and "CV" as its referrer,
// asks every cache to go to the server, and neither sends nor keeps cookies. The transfer
// itself is the work of the HttpTransport the program installs at start-up (src/net/curl/ for
// libcurl); without one every fetch fails, as without a network.
#pragma once

#include "lang/String.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace net {

class HttpTransport {
public:
    virtual ~HttpTransport() = default;
    // One GET as HttpGet::fetch describes it, with a time-out above 0 and an empty body to fill.
    virtual bool get(const lang::String& url, int32_t timeoutMs, std::vector<uint8_t>& body) = 0;
};

struct HttpGet {
    static constexpr const char* UserAgent = "CORVALEN.NET.URL";
    static constexpr const char* Referrer = "CV";
    // The time-out when the caller gives none (0 or less).
    static constexpr int32_t DefaultTimeoutMs = 30000;
    static constexpr int32_t MaxRedirects = 5;
    static constexpr int32_t MaxBodyBytes = 1 << 20;

    // The body of the final answer when its status is 200; false for any other status, a
    // refused redirect, a body over the cap, a time-out or a failure to connect.
    static bool fetch(const lang::String& url, int32_t timeoutMs, std::vector<uint8_t>& body);

    // Makes `transport` the one every later fetch uses (null: none), from any thread; a fetch
    // under way goes on with the one it began with.
    static void install(std::unique_ptr<HttpTransport> transport);
};

} // namespace net
