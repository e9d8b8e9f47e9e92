#include "io/OutputStream.h"

#include <cstring>

namespace io {

void OutputStream::write(const lang::ByteArray& array)
{
    write(array.data(), array.length());
}

void OutputStream::write(const lang::String& text)
{
    write(reinterpret_cast<const uint8_t*>(text.c_str()), text.length());
}

bool OutputStream::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "OutputStream") == 0 || Object::isInstanceOf(className);
}

} // namespace io
