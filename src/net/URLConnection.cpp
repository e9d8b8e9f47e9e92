#include "net/URLConnection.h"

#include "net/HttpGet.h"

#include <cstring>

namespace net {

URLConnection::URLConnection(const URL& url) : url(url) {}

bool URLConnection::connect()
{
    if (input)
        return true;
    auto stream = lang::adopt(new URLInputStream());
    if (!stream->open(url, timeout)) {
        stream->close();
        return false;
    }
    input = stream;
    return true;
}

URLConnection::URLInputStream* URLConnection::getInputStream()
{
    if (!connect())
        return nullptr;
    input->addRef();
    return input.get();
}

bool URLConnection::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "URLConnection") == 0 || Object::isInstanceOf(className);
}

bool URLConnection::URLInputStream::open(const URL& url, int32_t timeoutMs)
{
    opened = url.isValid() && HttpGet::fetch(url.toString(), timeoutMs, body);
    position = 0;
    return opened;
}

int32_t URLConnection::URLInputStream::read(uint8_t* buffer, int32_t offset, int32_t length)
{
    if (!opened || !buffer || offset < 0 || length < 0)
        return -1;
    size_t count = std::min(static_cast<size_t>(length), body.size() - position);
    if (count > 0)
        std::memcpy(buffer + offset, body.data() + position, count);
    position += count;
    return static_cast<int32_t>(count);
}

int32_t URLConnection::URLInputStream::read()
{
    if (!opened || position >= body.size())
        return -1;
    return body[position++];
}

void URLConnection::URLInputStream::close()
{
    opened = false;
    body.clear();
    body.shrink_to_fit();
    position = 0;
}

void URLConnection::URLInputStream::reset()
{
    position = 0;
}

int32_t URLConnection::URLInputStream::skip(int32_t n)
{
    if (!opened || n < 0)
        return -1;
    size_t moved = std::min(static_cast<size_t>(n), body.size() - position);
    position += moved;
    return static_cast<int32_t>(moved);
}

bool URLConnection::URLInputStream::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "URLInputStream") == 0 || InputStream::isInstanceOf(className);
}

} // namespace net
