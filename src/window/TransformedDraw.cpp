#include "window/TransformedDraw.h"

#include "window/ImageBase.h"

#include <algorithm>
#include <cmath>

namespace window {

namespace {

constexpr double kFixedOne = 65536.0;
// Samples are made and blended in runs of this many pixels.
constexpr int32_t kRun = 256;

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

} // namespace

uint32_t sampleBilinear(const TransformedSource& source, const PixelRect& valid, int32_t u, int32_t v)
{
    const int32_t x0 = u >> 16;
    const int32_t y0 = v >> 16;
    // 7-bit weights keep every product of the filter inside 16 bits.
    const uint32_t wx = static_cast<uint32_t>(u >> 9) & 0x7F;
    const uint32_t wy = static_cast<uint32_t>(v >> 9) & 0x7F;
    const int32_t xa = std::clamp(x0, valid.x, valid.right() - 1);
    const int32_t xb = std::clamp(x0 + 1, valid.x, valid.right() - 1);
    const int32_t ya = std::clamp(y0, valid.y, valid.bottom() - 1);
    const int32_t yb = std::clamp(y0 + 1, valid.y, valid.bottom() - 1);
    const uint32_t* rowA = source.pixels + static_cast<size_t>(ya) * source.stride;
    const uint32_t* rowB = source.pixels + static_cast<size_t>(yb) * source.stride;
    const uint32_t p00 = rowA[xa], p01 = rowA[xb], p10 = rowB[xa], p11 = rowB[xb];
    uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const uint32_t top = (p00 >> shift & 0xFF) * (128 - wx) + (p01 >> shift & 0xFF) * wx;
        const uint32_t bottom = (p10 >> shift & 0xFF) * (128 - wx) + (p11 >> shift & 0xFF) * wx;
        result |= ((top * (128 - wy) + bottom * wy) >> 14) << shift;
    }
    return result;
}

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
    const Affine m = inverseMapping(source, placement);
    const int32_t stride = target.getRowBytes() / 4;
    const bool targetHasAlpha = target.getHasAlpha();
    uint32_t samples[kRun];
    for (int32_t y = area.y; y < area.bottom(); ++y) {
        const double centreY = y + 0.5;
        auto inside = [&](int32_t x) {
            const double u = m.u(x + 0.5, centreY);
            const double v = m.v(x + 0.5, centreY);
            return u >= valid.x && u < valid.right() && v >= valid.y && v < valid.bottom();
        };
        // The pixels of a row inside the part form one run: find its ends.
        int32_t start = area.x;
        int32_t end = area.right();
        while (start < end && !inside(start))
            ++start;
        while (end > start && !inside(end - 1))
            --end;
        uint32_t* row = targetPixels + static_cast<size_t>(y) * stride;
        for (int32_t runStart = start; runStart < end; runStart += kRun) {
            const int32_t count = std::min(kRun, end - runStart);
            const double u0 = m.u(runStart + 0.5, centreY) - 0.5;
            const double v0 = m.v(runStart + 0.5, centreY) - 0.5;
            const auto du = static_cast<int32_t>(std::lround(m.a00 * kFixedOne));
            const auto dv = static_cast<int32_t>(std::lround(m.a10 * kFixedOne));
            auto u = static_cast<int32_t>(std::lround(u0 * kFixedOne));
            auto v = static_cast<int32_t>(std::lround(v0 * kFixedOne));
            for (int32_t i = 0; i < count; ++i, u += du, v += dv)
                samples[i] = sampleBilinear(source, valid, u, v);
            if (!modulation.useCorners) {
                if (modulation.additive)
                    blend::additiveRow(row + runStart, samples, count, modulation.tint, targetHasAlpha);
                else
                    blend::alphaRow(row + runStart, samples, count, modulation.tint, targetHasAlpha);
                continue;
            }
            for (int32_t i = 0; i < count; ++i) {
                const double x = runStart + i + 0.5;
                const double s = (m.u(x, centreY) - source.part.x) / source.part.width;
                const double t = (m.v(x, centreY) - source.part.y) / source.part.height;
                const blend::Multipliers corner = cornerMultipliers(modulation.corners, s, t);
                uint32_t& d = row[runStart + i];
                d = modulation.additive ? blend::additivePixel(d, samples[i], corner, targetHasAlpha)
                                        : blend::alphaPixel(d, samples[i], corner, targetHasAlpha);
            }
        }
    }
    target.setPixelsChanged(true);
}

} // namespace window
