#include "lang/Integer.h"

#include <cstring>

namespace lang {

bool Integer::equals(const Object* other) const
{
    return other && other->isInstanceOf("Integer") && static_cast<const Integer*>(other)->value == value;
}

bool Integer::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "Integer") == 0 || Object::isInstanceOf(className);
}

const char* Integer::getClassName() const
{
    return "Integer";
}

} // namespace lang
