#include "game/blitz/ScoreTransfer.h"

#include "io/BufferedReader.h"
#include "io/InputStreamReader.h"
#include "lang/SyncGuard.h"
#include "net/URLConnection.h"

#include <cstring>
#include <string>

ScoreTransfer::ScoreTransfer(const lang::String& url, int32_t timeoutMs, const Purpose& purpose)
    : url(url), timeoutMs(timeoutMs), purpose(purpose)
{
}

void ScoreTransfer::run()
{
    lang::String body = readBody(url, timeoutMs);
    {
        SyncGuard guard(*this);
        text = body;
    }
    done.store(true, std::memory_order_release);
}

lang::String ScoreTransfer::readBody(const lang::String& url, int32_t timeoutMs)
{
    net::URL address(url);
    lang::Ref<net::URLConnection> connection = lang::adopt(address.openConnection());
    if (!connection)
        return lang::String();
    connection->setTimeout(timeoutMs);
    lang::Ref<net::URLConnection::URLInputStream> stream = lang::adopt(connection->getInputStream());
    if (!stream)
        return lang::String();
    auto streamReader = lang::adopt(new io::InputStreamReader(stream.get()));
    auto reader = lang::adopt(new io::BufferedReader(streamReader.get()));
    std::string body;
    uint8_t piece[1023];
    for (int32_t count; (count = reader->read(piece, 0, sizeof piece)) > 0;)
        body.append(reinterpret_cast<const char*>(piece), static_cast<size_t>(count));
    return lang::String(body.data(), 0, static_cast<int32_t>(body.size()));
}

bool ScoreTransfer::hasText() const
{
    SyncGuard guard(*this);
    return !text.isEmpty();
}

lang::String ScoreTransfer::getText() const
{
    SyncGuard guard(*this);
    return text;
}

bool ScoreTransfer::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "ScoreTransfer") == 0 || Thread::isInstanceOf(className);
}
