#include "window/raster/ColorBase.h"

#include <cstring>

namespace window {

bool ColorBase::equals(const lang::Object* other) const
{
    if (other == nullptr || !other->isInstanceOf("ColorBase"))
        return false;
    return static_cast<const ColorBase*>(other)->value == value;
}

bool ColorBase::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "ColorBase") == 0 || lang::Object::isInstanceOf(className);
}

} // namespace window
