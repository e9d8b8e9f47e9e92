#include "io/Reader.h"

#include <cstring>

namespace io {

int32_t Reader::read(lang::ByteArray& array)
{
    return read(array.data(), 0, array.length());
}

bool Reader::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "Reader") == 0 || Object::isInstanceOf(className);
}

} // namespace io
