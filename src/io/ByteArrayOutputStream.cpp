#include "io/ByteArrayOutputStream.h"

#include <cstring>
#include <vector>

namespace io {

void ByteArrayOutputStream::makeRoomFor(int32_t length)
{
    if (count + length >= bytes.length())
        bytes.resize(count + length);
}

void ByteArrayOutputStream::write(int32_t byte)
{
    makeRoomFor(1);
    bytes[count++] = static_cast<uint8_t>(byte);
}

void ByteArrayOutputStream::write(const uint8_t* buffer, int32_t length)
{
    if (length <= 0)
        return;
    // Bytes taken from this stream's own array would move when it grows: copy them first.
    const bool fromSelf = buffer >= bytes.data() && buffer < bytes.data() + bytes.length();
    const std::vector<uint8_t> own = fromSelf ? std::vector<uint8_t>(buffer, buffer + length) : std::vector<uint8_t>();
    makeRoomFor(length);
    std::memcpy(bytes.data() + count, fromSelf ? own.data() : buffer, static_cast<size_t>(length));
    count += length;
}

bool ByteArrayOutputStream::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "ByteArrayOutputStream") == 0 || OutputStream::isInstanceOf(className);
}

} // namespace io
