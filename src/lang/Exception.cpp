#include "lang/Exception.h"

#include <cstring>

namespace lang {

Exception::Exception(const char* message) : message(message) {}

Exception::Exception(const String& message) : message(message) {}

String Exception::toString() const
{
    return message;
}

bool Exception::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "Exception") == 0 || Object::isInstanceOf(className);
}

const char* Exception::getClassName() const
{
    return "Exception";
}

} // namespace lang
