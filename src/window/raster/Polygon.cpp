#include "window/raster/Polygon.h"

#include <cstring>

namespace window {

Polygon::Polygon(const int32_t* xs, const int32_t* ys, int32_t count)
{
    for (int32_t i = 0; i < count; ++i)
        addPoint(xs[i], ys[i]);
}

void Polygon::addPoint(int32_t x, int32_t y)
{
    xpoints.push_back(x);
    ypoints.push_back(y);
}

bool Polygon::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "Polygon") == 0 || lang::Object::isInstanceOf(className);
}

} // namespace window
