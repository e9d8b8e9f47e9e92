// Scan conversion of the shapes the raster targets draw, without anti-aliasing: a pixel belongs
// to a shape when its centre (x + 0.5, y + 0.5) lies inside. Shapes come out as horizontal
// spans, limited to a band of rows; thin lines come out as single points.
#pragma once

#include "window/raster/PixelRect.h"

#include <cstdint>
#include <vector>

namespace window {

// Receives the covered pixels [x0, x1) of row y, in order of rows.
class SpanSink {
public:
    virtual ~SpanSink() = default;
    virtual void span(int32_t y, int32_t x0, int32_t x1) = 0;
};

struct PointF {
    double x;
    double y;
};

namespace raster {

// The polygon filled with the even-odd rule (a self-crossing outline leaves holes), rows
// `bounds.y` to `bounds.bottom()` only.
void fillPolygon(const std::vector<PointF>& points, const PixelRect& bounds, SpanSink& sink);

// The ellipse inscribed in the box (x, y)-(x + width, y + height).
void fillEllipse(double x, double y, double width, double height, const PixelRect& bounds, SpanSink& sink);

// A line of `width` pixels from the centre of (x1, y1) to the centre of (x2, y2), with round
// ends; spans may overlap where its parts meet.
void strokeLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t width, const PixelRect& bounds, SpanSink& sink);

// The pixels of a one-pixel line from (x1, y1) to (x2, y2), both ends included (Bresenham).
template <class Plot>
void forEachLinePoint(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Plot plot)
{
    const int64_t dx = x2 > x1 ? int64_t{x2} - x1 : int64_t{x1} - x2;
    const int64_t dy = y2 > y1 ? int64_t{y1} - y2 : int64_t{y2} - y1;
    const int32_t stepX = x1 < x2 ? 1 : -1;
    const int32_t stepY = y1 < y2 ? 1 : -1;
    int64_t error = dx + dy;
    for (;;) {
        plot(x1, y1);
        if (x1 == x2 && y1 == y2)
            return;
        const int64_t doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x1 += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            y1 += stepY;
        }
    }
}

} // namespace raster

} // namespace window
