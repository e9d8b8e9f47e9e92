// A set of pixels made of a union of rectangles, kept as rectangles that do not overlap, so that
// drawing each of them once covers the region once. Empty when created.
#pragma once

#include "util/RectangleNM.h"

#include <vector>

namespace util {

class Region : public lang::Object {
public:
    // Adds the pixels of the rectangle; one without width or height adds nothing.
    void add(int32_t x, int32_t y, int32_t width, int32_t height);
    void add(const RectangleNM& rectangle);
    void clear();
    void offset(int32_t dx, int32_t dy);
    // False for a rectangle without width or height and for an empty region.
    bool intersects(const RectangleNM& rectangle) const;

    bool isEmpty() const { return parts.empty(); }
    // The smallest rectangle holding the region; (0, 0, 0, 0) when it is empty.
    RectangleNM getBounds() const;
    // The region's disjoint rectangles.
    const std::vector<RectangleNM>& getRectangles() const { return parts; }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "Region"; }

private:
    std::vector<RectangleNM> parts;
};

} // namespace util
