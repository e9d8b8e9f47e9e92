#include "net/HttpGet.h"

#include <mutex>
#include <utility>

namespace net {

namespace {

// The installed transport. A fetch holds it for its whole exchange, so that neither a new
// install nor the end of the program destroys it under a request still waiting for an answer;
// the table itself is never destroyed, for the threads whose requests outlive main.
struct InstalledTransport {
    std::mutex mutex;
    std::shared_ptr<HttpTransport> transport;
};

InstalledTransport& installed()
{
    static auto* table = new InstalledTransport;
    return *table;
}

std::shared_ptr<HttpTransport> currentTransport()
{
    InstalledTransport& table = installed();
    std::lock_guard<std::mutex> guard(table.mutex);
    return table.transport;
}

} // namespace

void HttpGet::install(std::unique_ptr<HttpTransport> transport)
{
    // Declared first, so the replaced transport goes after the lock is given back: a fetch
    // may still hold it, and its last owner destroys it.
    std::shared_ptr<HttpTransport> replaced;
    InstalledTransport& table = installed();
    std::lock_guard<std::mutex> guard(table.mutex);
    replaced = std::exchange(table.transport, std::move(transport));
}

bool HttpGet::fetch(const lang::String& url, int32_t timeoutMs, std::vector<uint8_t>& body)
{
    body.clear();
    const std::shared_ptr<HttpTransport> transport = currentTransport();
    const bool fetched = transport && transport->get(url, timeoutMs > 0 ? timeoutMs : DefaultTimeoutMs, body);
    if (!fetched)
        body.clear();
    return fetched;
}

} // namespace net
