#include "lang/Array.h"

#include <cstring>

namespace lang {

bool ObjectArray::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "ObjectArray") == 0 || Object::isInstanceOf(className);
}

bool StringArray::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "StringArray") == 0 || ObjectArray::isInstanceOf(className);
}

bool ByteArray::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "ByteArray") == 0 || Object::isInstanceOf(className);
}

bool IntArray::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "IntArray") == 0 || Object::isInstanceOf(className);
}

} // namespace lang
