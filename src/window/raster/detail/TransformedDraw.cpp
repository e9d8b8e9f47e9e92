#include "window/raster/detail/TransformedDraw.h"

#include "window/image/ImageBase.h"
#include "window/raster/detail/BilinearSampler.h"

#include <algorithm>
#include <cmath>

namespace window {

namespace {

constexpr double kFixedOne = 65536.0;

int32_t toFixed(double value)
{
    return static_cast<int32_t>(std::lround(value * kFixedOne));
}

// The picture position of a target point: [u; v] = a * [x; y] + b.
struct Affine {
    double a00, a01, a10, a11, b0, b1;

    double u(double x, double y) const { return a00 * x + a01 * y + b0; }
    double v(double x, double y) const { return a10 * x + a11 * y + b1; }
};

Affine inverseMapping(const TransformedSource& source, const Placement& p)
{
    const double radians = p.angleDegrees * 3.14159265358979323846 / 180.0;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    const double sx = std::abs(p.scaleX);
    const double sy = std::abs(p.scaleY);
    // A negative scale mirrors just as a flip does.
    const bool mirrorX = ((p.flip & 1) != 0) != (p.scaleX < 0);
    const bool mirrorY = ((p.flip & 2) != 0) != (p.scaleY < 0);
    const double pivotU = source.part.width >> 1;
    const double pivotV = source.part.height >> 1;
    // Unrotate, unscale, move to the pivot: u = (dx c + dy s) / sx + pivot, v = (-dx s + dy c) / sy + pivot.
    Affine m{c / sx, s / sx, -s / sy, c / sy, 0, 0};
    m.b0 = pivotU - (m.a00 * p.centreX + m.a01 * p.centreY);
    m.b1 = pivotV - (m.a10 * p.centreX + m.a11 * p.centreY);
    if (mirrorX) {
        m.a00 = -m.a00;
        m.a01 = -m.a01;
        m.b0 = source.part.width - m.b0;
    }
    if (mirrorY) {
        m.a10 = -m.a10;
        m.a11 = -m.a11;
        m.b1 = source.part.height - m.b1;
    }
    // From part coordinates to picture coordinates.
    m.b0 += source.part.x;
    m.b1 += source.part.y;
    return m;
}

// The target box that the part's four corners span.
PixelRect coveredBox(const TransformedSource& source, const Placement& p)
{
    const double radians = p.angleDegrees * 3.14159265358979323846 / 180.0;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    const double left = -(source.part.width >> 1) * std::abs(p.scaleX);
    const double top = -(source.part.height >> 1) * std::abs(p.scaleY);
    const double right = left + source.part.width * std::abs(p.scaleX);
    const double bottom = top + source.part.height * std::abs(p.scaleY);
    double minX = 1e18, minY = 1e18, maxX = -1e18, maxY = -1e18;
    for (double x : {left, right}) {
        for (double y : {top, bottom}) {
            const double tx = p.centreX + x * c - y * s;
            const double ty = p.centreY + x * s + y * c;
            minX = std::min(minX, tx);
            maxX = std::max(maxX, tx);
            minY = std::min(minY, ty);
            maxY = std::max(maxY, ty);
        }
    }
    const double limit = 1e9;
    const auto x0 = static_cast<int32_t>(std::floor(std::clamp(minX, -limit, limit)));
    const auto y0 = static_cast<int32_t>(std::floor(std::clamp(minY, -limit, limit)));
    const auto x1 = static_cast<int32_t>(std::ceil(std::clamp(maxX, -limit, limit)));
    const auto y1 = static_cast<int32_t>(std::ceil(std::clamp(maxY, -limit, limit)));
    return {x0, y0, x1 - x0, y1 - y0};
}

// One channel of the four corner colours at (s, t) of the part, both in 0..1.
int32_t cornerChannel(const uint32_t corners[4], int shift, double s, double t)
{
    auto at = [&](int i) { return static_cast<double>(corners[i] >> shift & 0xFF); };
    const double top = at(0) + (at(1) - at(0)) * s;
    const double bottom = at(3) + (at(2) - at(3)) * s;
    return static_cast<int32_t>(std::lround(top + (bottom - top) * t));
}

blend::Multipliers cornerMultipliers(const uint32_t corners[4], double s, double t)
{
    s = std::clamp(s, 0.0, 1.0);
    t = std::clamp(t, 0.0, 1.0);
    return {cornerChannel(corners, 16, s, t), cornerChannel(corners, 8, s, t), cornerChannel(corners, 0, s, t),
        cornerChannel(corners, 24, s, t)};
}

// The pixels of a row inside the part form one run: moves [start, end) onto its ends.
template <class Inside>
void narrowToRun(Inside inside, int32_t& start, int32_t& end)
{
    while (start < end && !inside(start))
        ++start;
    while (end > start && !inside(end - 1))
        --end;
}

// What a draw needs on every row: the picture, the mapping, the colours, the target row.
struct RowBlender {
    const TransformedSource& source;
    const Affine& mapping;
    const Modulation& modulation;
    bool targetHasAlpha;

    // Blends `count` samples into the target row from pixel x of row y.
    void blend(uint32_t* row, const uint32_t* samples, int32_t x, int32_t y, int32_t count) const
    {
        if (!modulation.useCorners) {
            if (modulation.additive)
                blend::additiveRow(row + x, samples, count, modulation.tint, targetHasAlpha);
            else
                blend::alphaRow(row + x, samples, count, modulation.tint, targetHasAlpha);
            return;
        }
        const double centreY = y + 0.5;
        for (int32_t i = 0; i < count; ++i) {
            const double centreX = x + i + 0.5;
            const double s = (mapping.u(centreX, centreY) - source.part.x) / source.part.width;
            const double t = (mapping.v(centreX, centreY) - source.part.y) / source.part.height;
            const blend::Multipliers corner = cornerMultipliers(modulation.corners, s, t);
            uint32_t& d = row[x + i];
            d = modulation.additive ? blend::additivePixel(d, samples[i], corner, targetHasAlpha)
                                    : blend::alphaPixel(d, samples[i], corner, targetHasAlpha);
        }
    }
};

// Scaled or mirrored, not turned: every row covers the same columns.
void drawAxisAligned(uint32_t* pixels, int32_t stride, const PixelRect& area, const SampleSource& sampleSource,
    const RowBlender& blender, std::vector<uint32_t>& samples)
{
    const Affine& m = blender.mapping;
    const PixelRect& valid = sampleSource.valid;
    auto columnInside = [&](int32_t x) {
        const double u = m.u(x + 0.5, 0);
        return u >= valid.x && u < valid.right();
    };
    int32_t start = area.x;
    int32_t end = area.right();
    narrowToRun(columnInside, start, end);
    if (start == end)
        return;
    AxisSampler sampler(sampleSource, toFixed(m.u(start + 0.5, 0) - 0.5), toFixed(m.a00), end - start);
    for (int32_t y = area.y; y < area.bottom(); ++y) {
        const double v = m.v(0, y + 0.5);
        if (v < valid.y || v >= valid.bottom())
            continue;
        sampler.sampleRow(toFixed(v - 0.5), samples.data());
        blender.blend(pixels + static_cast<size_t>(y) * stride, samples.data(), start, y, end - start);
    }
}

// Turned: each row crosses the part along a slant of its own.
void drawTurned(uint32_t* pixels, int32_t stride, const PixelRect& area, const SampleSource& sampleSource,
    const RowBlender& blender, std::vector<uint32_t>& samples)
{
    const Affine& m = blender.mapping;
    const PixelRect& valid = sampleSource.valid;
    const int32_t du = toFixed(m.a00);
    const int32_t dv = toFixed(m.a10);
    for (int32_t y = area.y; y < area.bottom(); ++y) {
        const double centreY = y + 0.5;
        auto inside = [&](int32_t x) {
            const double u = m.u(x + 0.5, centreY);
            const double v = m.v(x + 0.5, centreY);
            return u >= valid.x && u < valid.right() && v >= valid.y && v < valid.bottom();
        };
        int32_t start = area.x;
        int32_t end = area.right();
        narrowToRun(inside, start, end);
        if (start == end)
            continue;
        sampleLine(sampleSource, toFixed(m.u(start + 0.5, centreY) - 0.5), toFixed(m.v(start + 0.5, centreY) - 0.5), du, dv,
            end - start, samples.data());
        blender.blend(pixels + static_cast<size_t>(y) * stride, samples.data(), start, y, end - start);
    }
}

} // namespace

void drawTransformed(ImageBase& target, const PixelRect& clip, const TransformedSource& source,
    const Placement& placement, const Modulation& modulation)
{
    uint32_t* targetPixels = target.getPixels();
    const PixelRect valid = source.part.intersect({0, 0, source.width, source.height});
    if (targetPixels == nullptr || source.pixels == nullptr || valid.isEmpty() || placement.scaleX == 0
        || placement.scaleY == 0 || !std::isfinite(placement.scaleX) || !std::isfinite(placement.scaleY)
        || !std::isfinite(placement.angleDegrees))
        return;
    if (!modulation.useCorners && modulation.tint.alpha == 0)
        return;
    const PixelRect area = coveredBox(source, placement).intersect(clip).intersect({0, 0, target.getWidth(), target.getHeight()});
    if (area.isEmpty())
        return;
    const Affine mapping = inverseMapping(source, placement);
    const SampleSource sampleSource{source.pixels, source.stride, valid};
    const RowBlender blender{source, mapping, modulation, target.getHasAlpha()};
    // One buffer of samples per drawing thread, grown to the widest row drawn so far.
    thread_local std::vector<uint32_t> samples;
    if (samples.size() < static_cast<size_t>(area.width))
        samples.resize(static_cast<size_t>(area.width));
    const int32_t stride = target.getRowBytes() / 4;
    if (mapping.a01 == 0 && mapping.a10 == 0)
        drawAxisAligned(targetPixels, stride, area, sampleSource, blender, samples);
    else
        drawTurned(targetPixels, stride, area, sampleSource, blender, samples);
    target.setPixelsChanged(true);
}

} // namespace window
