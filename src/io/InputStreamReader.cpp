#include "io/InputStreamReader.h"

#include <cstring>

namespace io {

InputStreamReader::InputStreamReader(InputStream* stream) : stream(lang::retain(stream)) {}

InputStreamReader::~InputStreamReader()
{
    close();
}

void InputStreamReader::close()
{
    if (stream)
        stream->close();
}

int32_t InputStreamReader::read(uint8_t* buffer, int32_t offset, int32_t length)
{
    return stream ? stream->read(buffer, offset, length) : 0;
}

int32_t InputStreamReader::read()
{
    return stream ? stream->read() : -1;
}

void InputStreamReader::reset()
{
    if (stream)
        stream->reset();
}

int32_t InputStreamReader::skip(int32_t n)
{
    return stream ? stream->skip(n) : 0;
}

bool InputStreamReader::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "InputStreamReader") == 0 || Reader::isInstanceOf(className);
}

} // namespace io
