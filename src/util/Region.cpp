#include "util/Region.h"

#include "util/RectangleSubtraction.h"

#include <cstring>

namespace util {

void Region::add(int32_t x, int32_t y, int32_t width, int32_t height)
{
    add(RectangleNM(x, y, width, height));
}

void Region::add(const RectangleNM& rectangle)
{
    if (rectangle.isEmpty())
        return;
    // Only the pixels not yet in the region are added, so the parts never overlap.
    std::vector<RectangleNM> fresh{rectangle};
    std::vector<RectangleNM> remaining;
    for (const RectangleNM& part : parts) {
        remaining.clear();
        for (const RectangleNM& piece : fresh)
            subtractRectangle(piece, part, remaining);
        fresh.swap(remaining);
        if (fresh.empty())
            return;
    }
    parts.insert(parts.end(), fresh.begin(), fresh.end());
}

void Region::clear()
{
    parts.clear();
}

void Region::offset(int32_t dx, int32_t dy)
{
    for (RectangleNM& part : parts) {
        part.x += dx;
        part.y += dy;
    }
}

bool Region::intersects(const RectangleNM& rectangle) const
{
    if (rectangle.isEmpty())
        return false;
    for (const RectangleNM& part : parts) {
        if (!part.intersect(rectangle).isEmpty())
            return true;
    }
    return false;
}

RectangleNM Region::getBounds() const
{
    if (parts.empty())
        return RectangleNM();
    RectangleNM bounds = parts.front();
    for (const RectangleNM& part : parts)
        bounds = bounds.unionWith(part);
    return bounds;
}

bool Region::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "Region") == 0 || Object::isInstanceOf(className);
}

} // namespace util
