// One HTTP GET of a URL, and the stream over the body of its answer. The connection makes the
// request on the first connect() and keeps the stream when the answer has status 200; any other
// outcome leaves it without a stream, and nothing is thrown. A connection and its stream are used
// by one thread at a time.
#pragma once

#include "io/InputStream.h"
#include "lang/Ref.h"
#include "net/URL.h"

#include <vector>

namespace net {

class URLConnection : public lang::Object {
public:
    // The body of a successful answer, received whole within the time-out before connect()
    // returns, so that reset() and skip() move freely within it.
    class URLInputStream : public io::InputStream {
    public:
        URLInputStream() = default;
        // Makes the request; true when the answer had status 200 and arrived whole.
        bool open(const URL& url, int32_t timeoutMs);

        // The number of bytes read, 0 at the end of the body, -1 when closed.
        int32_t read(uint8_t* buffer, int32_t offset, int32_t length) override;
        // The next byte, 0 to 255; -1 at the end of the body or when closed.
        int32_t read() override;
        void close() override;
        void reset() override;
        // Moves up to n bytes forward and returns how far it moved; -1 when closed or n < 0.
        int32_t skip(int32_t n) override;

        bool isOpen() const { return opened; }

        bool isInstanceOf(const char* className) const override;
        const char* getClassName() const override { return "URLInputStream"; }

    private:
        std::vector<uint8_t> body;
        size_t position = 0;
        bool opened = false;
    };

    explicit URLConnection(const URL& url);

    // The time-out of connecting, sending and receiving together, in milliseconds; 0 leaves
    // the library's default (HttpGet::DefaultTimeoutMs).
    void setTimeout(int32_t milliseconds) { timeout = milliseconds; }
    int32_t getTimeout() const { return timeout; }
    const URL& getURL() const { return url; }

    // True when connected before; otherwise makes the request, and true when it gave a stream
    // over a 200 answer (a failed request may be tried again).
    bool connect();
    // Connects when needed; the stream with a reference for the caller, who releases it, or
    // null when the request failed.
    URLInputStream* getInputStream();

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "URLConnection"; }

private:
    int32_t timeout = 0;
    URL url;
    lang::Ref<URLInputStream> input;
};

} // namespace net
