#include "io/InputStream.h"

#include <cstring>

namespace io {

bool InputStream::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "InputStream") == 0 || Object::isInstanceOf(className);
}

} // namespace io
