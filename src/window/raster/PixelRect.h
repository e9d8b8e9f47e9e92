// A plain rectangle of pixels (x, y, width, height) for the arithmetic of clipping; an empty
// rectangle has no width or no height.
#pragma once

#include <algorithm>
#include <cstdint>

namespace window {

struct PixelRect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;

    int32_t right() const { return x + width; }
    int32_t bottom() const { return y + height; }
    bool isEmpty() const { return width <= 0 || height <= 0; }
    bool contains(int32_t px, int32_t py) const
    {
        return px >= x && px < right() && py >= y && py < bottom();
    }

    // The overlap of two rectangles; all zero when they do not overlap.
    PixelRect intersect(const PixelRect& other) const
    {
        const int32_t left = std::max(x, other.x);
        const int32_t top = std::max(y, other.y);
        const int32_t r = std::min(right(), other.right());
        const int32_t b = std::min(bottom(), other.bottom());
        if (r <= left || b <= top)
            return {};
        return {left, top, r - left, b - top};
    }

    PixelRect translated(int32_t dx, int32_t dy) const { return {x + dx, y + dy, width, height}; }

    friend bool operator==(const PixelRect& a, const PixelRect& b) = default;
};

} // namespace window
