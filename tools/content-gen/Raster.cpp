#include "Raster.h"

#include <algorithm>
#include <cmath>

namespace contentgen {

Paint solid(Color color)
{
    return [color](float, float) { return color; };
}

Paint vertical(float top, Color topColor, float bottom, Color bottomColor)
{
    return [=](float, float y) {
        const float t = std::clamp((y - top) / std::max(1.0f, bottom - top), 0.0f, 1.0f);
        return topColor.mix(bottomColor, t);
    };
}

Paint radial(float cx, float cy, float radius, Color inner, Color outer)
{
    return [=](float x, float y) {
        const float t = std::clamp(std::hypot(x - cx, y - cy) / radius, 0.0f, 1.0f);
        return inner.mix(outer, t);
    };
}

Shape roundedRect(float left, float top, float width, float height, float radius)
{
    const float hw = width / 2, hh = height / 2, cx = left + hw, cy = top + hh;
    radius = std::min({radius, hw, hh});
    return [=](float x, float y) {
        const float qx = std::fabs(x - cx) - hw + radius;
        const float qy = std::fabs(y - cy) - hh + radius;
        const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
        return outside + std::min(std::max(qx, qy), 0.0f) - radius;
    };
}

Shape circle(float cx, float cy, float radius)
{
    return [=](float x, float y) { return std::hypot(x - cx, y - cy) - radius; };
}

Shape ellipse(float cx, float cy, float rx, float ry)
{
    // Distance estimate: exact on the axes, close enough elsewhere for anti-aliasing.
    return [=](float x, float y) {
        const float dx = (x - cx) / rx, dy = (y - cy) / ry;
        const float k = std::hypot(dx, dy);
        const float gradient = std::hypot(dx / rx, dy / ry);
        return gradient > 0 ? (k - 1.0f) * k / gradient : -std::min(rx, ry);
    };
}

Shape polygon(std::vector<std::pair<float, float>> points)
{
    return [points](float x, float y) {
        float best = 1e30f;
        bool inside = false;
        const size_t n = points.size();
        for (size_t i = 0, j = n - 1; i < n; j = i++) {
            const auto [ax, ay] = points[i];
            const auto [bx, by] = points[j];
            const float ex = bx - ax, ey = by - ay, wx = x - ax, wy = y - ay;
            const float t = std::clamp((wx * ex + wy * ey) / std::max(1e-9f, ex * ex + ey * ey), 0.0f, 1.0f);
            best = std::min(best, std::hypot(wx - ex * t, wy - ey * t));
            if ((ay > y) != (by > y) && x < (bx - ax) * (y - ay) / (by - ay) + ax)
                inside = !inside;
        }
        return inside ? -best : best;
    };
}

Shape star(float cx, float cy, float outer, float inner, int points, float rotationDegrees)
{
    std::vector<std::pair<float, float>> corners;
    for (int i = 0; i < points * 2; ++i) {
        const float angle = float((rotationDegrees - 90.0f) * 3.14159265f / 180.0f + i * 3.14159265f / points);
        const float r = i % 2 ? inner : outer;
        corners.emplace_back(cx + r * std::cos(angle), cy + r * std::sin(angle));
    }
    return polygon(corners);
}

Shape unite(Shape a, Shape b)
{
    return [a, b](float x, float y) { return std::min(a(x, y), b(x, y)); };
}

Shape subtract(Shape a, Shape b)
{
    return [a, b](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}

Shape intersect(Shape a, Shape b)
{
    return [a, b](float x, float y) { return std::max(a(x, y), b(x, y)); };
}

Shape grow(Shape a, float by)
{
    return [a, by](float x, float y) { return a(x, y) - by; };
}

Mask shapeMask(int width, int height, const Shape& shape)
{
    Mask mask(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            mask.ref(x, y) = std::clamp(0.5f - shape(x + 0.5f, y + 0.5f), 0.0f, 1.0f);
    return mask;
}

Mask outlineMask(int width, int height, const Shape& shape, float lineWidth)
{
    Mask mask(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            mask.ref(x, y) = std::clamp(0.5f - (std::fabs(shape(x + 0.5f, y + 0.5f)) - lineWidth / 2), 0.0f, 1.0f);
    return mask;
}

namespace {

void boxPass(const Mask& in, Mask& out, int radius, bool horizontal)
{
    const int w = in.width(), h = in.height();
    const float scale = 1.0f / float(2 * radius + 1);
    const int lines = horizontal ? h : w, length = horizontal ? w : h;
    for (int line = 0; line < lines; ++line) {
        auto get = [&](int i) { return horizontal ? in.at(i, line) : in.at(line, i); };
        float sum = 0;
        for (int i = -radius; i <= radius; ++i)
            sum += get(i);
        for (int i = 0; i < length; ++i) {
            (horizontal ? out.ref(i, line) : out.ref(line, i)) = sum * scale;
            sum += get(i + radius + 1) - get(i - radius);
        }
    }
}

} // namespace

Mask blurred(const Mask& mask, float radius)
{
    const int box = std::max(1, int(std::lround(radius / 1.7f)));
    Mask a = mask, b(mask.width(), mask.height());
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(a, b, box, true);
        boxPass(b, a, box, false);
    }
    return a;
}

Mask dilated(const Mask& mask, float radius)
{
    Mask out(mask.width(), mask.height());
    const int r = int(std::ceil(radius));
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x) {
            float best = 0;
            for (int dy = -r; dy <= r; ++dy)
                for (int dx = -r; dx <= r; ++dx) {
                    const float weight = std::clamp(radius + 0.5f - std::hypot(float(dx), float(dy)), 0.0f, 1.0f);
                    if (weight > 0)
                        best = std::max(best, mask.at(x + dx, y + dy) * weight);
                }
            out.ref(x, y) = best;
        }
    return out;
}

Mask shifted(const Mask& mask, int dx, int dy)
{
    Mask out(mask.width(), mask.height());
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            out.ref(x, y) = mask.at(x - dx, y - dy);
    return out;
}

Mask minus(const Mask& mask, const Mask& cut)
{
    Mask out = mask;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            out.ref(x, y) *= 1.0f - cut.at(x, y);
    return out;
}

Mask scaled(const Mask& mask, float factor)
{
    Mask out = mask;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            out.ref(x, y) = std::clamp(out.ref(x, y) * factor, 0.0f, 1.0f);
    return out;
}

void Picture::fill(const Mask& mask, const Paint& paint, int ox, int oy)
{
    for (int my = 0; my < mask.height(); ++my) {
        const int y = oy + my;
        if (y < 0 || y >= height_)
            continue;
        for (int mx = 0; mx < mask.width(); ++mx) {
            const int x = ox + mx;
            const float coverage = mask.at(mx, my);
            if (x < 0 || x >= width_ || coverage <= 0)
                continue;
            const Color c = paint(x + 0.5f, y + 0.5f);
            const float a = c.a * coverage;
            Rgba& d = ref(x, y);
            d.r = c.r * a + d.r * (1 - a);
            d.g = c.g * a + d.g * (1 - a);
            d.b = c.b * a + d.b * (1 - a);
            d.a = a + d.a * (1 - a);
        }
    }
}

void Picture::fillShape(const Shape& shape, const Paint& paint) { fill(shapeMask(width_, height_, shape), paint); }

void Picture::draw(const Picture& source, int ox, int oy, float opacity)
{
    for (int sy = 0; sy < source.height(); ++sy)
        for (int sx = 0; sx < source.width(); ++sx) {
            const int x = ox + sx, y = oy + sy;
            if (x < 0 || y < 0 || x >= width_ || y >= height_)
                continue;
            const Rgba& s = source.at(sx, sy);
            Rgba& d = ref(x, y);
            const float a = s.a * opacity;
            d.r = s.r * opacity + d.r * (1 - a);
            d.g = s.g * opacity + d.g * (1 - a);
            d.b = s.b * opacity + d.b * (1 - a);
            d.a = a + d.a * (1 - a);
        }
}

Mask Picture::alpha() const
{
    Mask mask(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            mask.ref(x, y) = at(x, y).a;
    return mask;
}

Picture resized(const Picture& source, int width, int height)
{
    Picture out(width, height);
    const double sx = double(source.width()) / width, sy = double(source.height()) / height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            // Average every source pixel the target pixel covers, weighted by overlap.
            const double x0 = x * sx, x1 = (x + 1) * sx, y0 = y * sy, y1 = (y + 1) * sy;
            double r = 0, g = 0, b = 0, a = 0, area = 0;
            for (int py = int(y0); py < int(std::ceil(y1)) && py < source.height(); ++py) {
                const double wy = std::min(y1, py + 1.0) - std::max(y0, double(py));
                for (int px = int(x0); px < int(std::ceil(x1)) && px < source.width(); ++px) {
                    const double w = wy * (std::min(x1, px + 1.0) - std::max(x0, double(px)));
                    const Rgba& s = source.at(px, py);
                    r += s.r * w; g += s.g * w; b += s.b * w; a += s.a * w;
                    area += w;
                }
            }
            if (area > 0)
                out.ref(x, y) = {float(r / area), float(g / area), float(b / area), float(a / area)};
        }
    return out;
}

Picture cropped(const Picture& source, int x, int y, int width, int height)
{
    Picture out(width, height);
    for (int py = 0; py < height; ++py)
        for (int px = 0; px < width; ++px)
            if (x + px >= 0 && y + py >= 0 && x + px < source.width() && y + py < source.height())
                out.ref(px, py) = source.at(x + px, y + py);
    return out;
}

std::vector<uint8_t> toRgba8(const Picture& picture)
{
    std::vector<uint8_t> out;
    out.reserve(size_t(picture.width()) * size_t(picture.height()) * 4);
    auto byte = [](float v) { return uint8_t(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); };
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const Rgba& p = picture.at(x, y);
            const uint8_t a = byte(p.a);
            if (a == 0) {
                out.insert(out.end(), {0, 0, 0, 0});
                continue;
            }
            out.push_back(byte(p.r / p.a));
            out.push_back(byte(p.g / p.a));
            out.push_back(byte(p.b / p.a));
            out.push_back(a);
        }
    return out;
}

} // namespace contentgen
