#include "window/raster/detail/Rasteriser.h"

#include <algorithm>
#include <cmath>

namespace window::raster {

namespace {

// The first pixel whose centre lies at or right of `edge`.
int32_t firstPixelFrom(double edge)
{
    return static_cast<int32_t>(std::ceil(edge - 0.5));
}

// Rows whose centres the vertical extent [top, bottom) covers, within the bounds.
void rowRange(double top, double bottom, const PixelRect& bounds, int32_t& first, int32_t& end)
{
    first = std::max(bounds.y, firstPixelFrom(std::max(top, -1e9)));
    end = std::min(bounds.bottom(), firstPixelFrom(std::min(bottom, 1e9)));
}

} // namespace

void fillPolygon(const std::vector<PointF>& points, const PixelRect& bounds, SpanSink& sink)
{
    const size_t count = points.size();
    if (count < 3)
        return;
    double top = points[0].y;
    double bottom = points[0].y;
    for (const PointF& p : points) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    int32_t first = 0;
    int32_t end = 0;
    rowRange(top, bottom, bounds, first, end);
    std::vector<double> crossings;
    for (int32_t y = first; y < end; ++y) {
        const double centre = y + 0.5;
        crossings.clear();
        for (size_t i = 0; i < count; ++i) {
            const PointF& a = points[i];
            const PointF& b = points[(i + 1) % count];
            // Half-open in y, so a vertex shared by two edges counts once.
            if ((a.y <= centre) == (b.y <= centre))
                continue;
            crossings.push_back(a.x + (centre - a.y) * (b.x - a.x) / (b.y - a.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const int32_t x0 = firstPixelFrom(std::max(crossings[i], -1e9));
            const int32_t x1 = firstPixelFrom(std::min(crossings[i + 1], 1e9));
            if (x1 > x0)
                sink.span(y, x0, x1);
        }
    }
}

void fillEllipse(double x, double y, double width, double height, const PixelRect& bounds, SpanSink& sink)
{
    if (width <= 0 || height <= 0)
        return;
    const double radiusX = width / 2;
    const double radiusY = height / 2;
    const double centreX = x + radiusX;
    const double centreY = y + radiusY;
    int32_t first = 0;
    int32_t end = 0;
    rowRange(y, y + height, bounds, first, end);
    for (int32_t row = first; row < end; ++row) {
        const double dy = (row + 0.5 - centreY) / radiusY;
        const double reach = 1 - dy * dy;
        if (reach <= 0)
            continue;
        const double halfWidth = radiusX * std::sqrt(reach);
        const int32_t x0 = firstPixelFrom(centreX - halfWidth);
        const int32_t x1 = firstPixelFrom(centreX + halfWidth);
        if (x1 > x0)
            sink.span(row, x0, x1);
    }
}

void strokeLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t width, const PixelRect& bounds, SpanSink& sink)
{
    const double half = width / 2.0;
    const double ax = x1 + 0.5;
    const double ay = y1 + 0.5;
    const double bx = x2 + 0.5;
    const double by = y2 + 0.5;
    fillEllipse(ax - half, ay - half, width, width, bounds, sink);
    const double length = std::hypot(bx - ax, by - ay);
    if (length == 0)
        return;
    fillEllipse(bx - half, by - half, width, width, bounds, sink);
    // The body: the segment widened by half the width on either side.
    const double nx = -(by - ay) / length * half;
    const double ny = (bx - ax) / length * half;
    fillPolygon({{ax + nx, ay + ny}, {bx + nx, by + ny}, {bx - nx, by - ny}, {ax - nx, ay - ny}}, bounds, sink);
}

} // namespace window::raster
