#include "io/ByteArrayInputStream.h"

#include "lang/ResourceFile.h"

#include <cstring>

namespace io {

ByteArrayInputStream::ByteArrayInputStream(const uint8_t* data, int32_t count)
    : data(data), count(data && count > 0 ? count : 0)
{
}

ByteArrayInputStream::ByteArrayInputStream(const lang::String& itemName)
{
    const lang::String name = itemName.startsWith("+") ? itemName.substring(1) : itemName;
    lang::ResourceFile* package = lang::ResourceFile::getDefault();
    if (!package)
        return;
    item = lang::adopt(package->getItem(name, false));
    if (item) {
        data = item->getData();
        count = item->getSize();
    }
}

ByteArrayInputStream::~ByteArrayInputStream() = default;

int32_t ByteArrayInputStream::read(uint8_t* buffer, int32_t offset, int32_t length)
{
    const int32_t available = count - position;
    const int32_t n = length < available ? length : available;
    if (n <= 0)
        return 0;
    std::memcpy(buffer + offset, data + position, static_cast<size_t>(n));
    position += n;
    return n;
}

int32_t ByteArrayInputStream::read()
{
    return position < count ? data[position++] : -1;
}

int32_t ByteArrayInputStream::skip(int32_t n)
{
    const int32_t before = position;
    int64_t target = static_cast<int64_t>(position) + n;
    if (target > count)
        target = count;
    if (target < 0)
        target = 0;
    position = static_cast<int32_t>(target);
    return position - before;
}

bool ByteArrayInputStream::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "ByteArrayInputStream") == 0 || InputStream::isInstanceOf(className);
}

} // namespace io
