#include "io/BufferedReader.h"

#include <cstring>

namespace io {

BufferedReader::BufferedReader(Reader* source) : source(lang::retain(source)) {}

BufferedReader::~BufferedReader()
{
    close();
}

void BufferedReader::close()
{
    if (source)
        source->close();
}

int32_t BufferedReader::read()
{
    if (position >= buffered) {
        position = 0;
        buffered = source ? source->read(buffer, 0, BufferSize) : 0;
        if (buffered <= 0) {
            buffered = 0;
            return -1;
        }
    }
    return buffer[position++];
}

int32_t BufferedReader::read(uint8_t* target, int32_t offset, int32_t length)
{
    int32_t count = 0;
    while (count < length) {
        const int32_t c = read();
        if (c < 0)
            break;
        target[offset + count++] = static_cast<uint8_t>(c);
    }
    return count;
}

bool BufferedReader::ready()
{
    return position < buffered || (source && source->ready());
}

void BufferedReader::reset()
{
    buffered = 0;
    position = 0;
    if (source)
        source->reset();
}

int32_t BufferedReader::skip(int32_t n)
{
    if (n <= 0)
        return 0;
    const int32_t inBuffer = buffered - position;
    if (n <= inBuffer) {
        position += n;
        return n;
    }
    buffered = 0;
    position = 0;
    return inBuffer + (source ? source->skip(n - inBuffer) : 0);
}

bool BufferedReader::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "BufferedReader") == 0 || Reader::isInstanceOf(className);
}

} // namespace io
