#include "util/RectangleNM.h"

#include <algorithm>
#include <cstring>

namespace util {

bool RectangleNM::contains(int32_t px, int32_t py) const
{
    return px >= x && px < x + width && py >= y && py < y + height;
}

RectangleNM RectangleNM::unionWith(const RectangleNM& other) const
{
    const int32_t left = std::min(x, other.x);
    const int32_t top = std::min(y, other.y);
    const int32_t right = std::max(x + width, other.x + other.width);
    const int32_t bottom = std::max(y + height, other.y + other.height);
    return RectangleNM(left, top, right - left, bottom - top);
}

RectangleNM RectangleNM::intersect(const RectangleNM& other) const
{
    const int32_t left = std::max(x, other.x);
    const int32_t top = std::max(y, other.y);
    const int32_t right = std::min(x + width, other.x + other.width);
    const int32_t bottom = std::min(y + height, other.y + other.height);
    if (right <= left || bottom <= top)
        return RectangleNM();
    return RectangleNM(left, top, right - left, bottom - top);
}

bool RectangleNM::equals(const lang::Object* other) const
{
    if (other == this)
        return true;
    if (!other || !other->isInstanceOf("Rectangle"))
        return false;
    const auto* r = static_cast<const RectangleNM*>(other);
    return r->x == x && r->y == y && r->width == width && r->height == height;
}

int32_t RectangleNM::hashCode() const
{
    // Wrapping arithmetic, done unsigned so that the overflow is defined.
    uint32_t h = static_cast<uint32_t>(x);
    h = h * 256 + static_cast<uint32_t>(y);
    h = h * 256 + static_cast<uint32_t>(width);
    h = h * 256 + static_cast<uint32_t>(height);
    return static_cast<int32_t>(h);
}

bool RectangleNM::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "Rectangle") == 0 || Object::isInstanceOf(className);
}

} // namespace util
