#include "window/raster/ClipParts.h"

#include "util/RectangleSubtraction.h"
#include "util/Region.h"

#include <algorithm>

namespace window::clip {

PixelRect boundsOf(const std::vector<PixelRect>& parts)
{
    if (parts.empty())
        return {};
    int32_t left = parts[0].x, top = parts[0].y, right = parts[0].right(), bottom = parts[0].bottom();
    for (const PixelRect& p : parts) {
        left = std::min(left, p.x);
        top = std::min(top, p.y);
        right = std::max(right, p.right());
        bottom = std::max(bottom, p.bottom());
    }
    return {left, top, right - left, bottom - top};
}

std::vector<PixelRect> withHole(const std::vector<PixelRect>& parts, const PixelRect& hole)
{
    std::vector<PixelRect> remaining;
    for (const PixelRect& part : parts)
        util::subtractRectangle(part, hole, remaining);
    return remaining;
}

std::vector<PixelRect> partsOf(const util::Region* region)
{
    std::vector<PixelRect> parts;
    if (region) {
        for (const util::RectangleNM& r : region->getRectangles())
            parts.push_back({r.x, r.y, r.width, r.height});
    }
    return parts;
}

util::Region* regionOf(const std::vector<PixelRect>& parts)
{
    auto* region = new util::Region;
    for (const PixelRect& p : parts)
        region->add(p.x, p.y, p.width, p.height);
    return region;
}

} // namespace window::clip
