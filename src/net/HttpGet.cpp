#include "net/HttpGet.h"

namespace net {

namespace {

std::unique_ptr<HttpTransport>& installedTransport()
{
    static std::unique_ptr<HttpTransport> transport;
    return transport;
}

} // namespace

void HttpGet::install(std::unique_ptr<HttpTransport> transport)
{
    installedTransport() = std::move(transport);
}

bool HttpGet::fetch(const lang::String& url, int32_t timeoutMs, std::vector<uint8_t>& body)
{
    body.clear();
    HttpTransport* transport = installedTransport().get();
    const bool fetched = transport && transport->get(url, timeoutMs > 0 ? timeoutMs : DefaultTimeoutMs, body);
    if (!fetched)
        body.clear();
    return fetched;
}

} // namespace net
