// The arithmetic of a clip made of disjoint rectangles, shared by the targets that keep their
// clip so: the bounding box, holes, and the conversions to and from regions.
#pragma once

#include "window/raster/PixelRect.h"

#include <vector>

namespace util {
class Region;
}

namespace window::clip {

PixelRect boundsOf(const std::vector<PixelRect>& parts);
// The parts with the hole cut out of them.
std::vector<PixelRect> withHole(const std::vector<PixelRect>& parts, const PixelRect& hole);
// The region's rectangles (none for no region).
std::vector<PixelRect> partsOf(const util::Region* region);
// A new region of the parts; the caller releases it.
util::Region* regionOf(const std::vector<PixelRect>& parts);

} // namespace window::clip
