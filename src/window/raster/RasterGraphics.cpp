#include "window/raster/RasterGraphics.h"

#include "util/Region.h"
#include "window/image/ImageBase.h"
#include "window/raster/ClipParts.h"
#include "window/raster/detail/BlendKernels.h"
#include "window/raster/detail/Rasteriser.h"
#include "window/raster/Polygon.h"
#include "window/text/Font.h"
#include "window/text/FontMetrics.h"
#include "window/text/TextLayout.h"

#include <algorithm>
#include <cstring>
#include <mutex>

namespace window {

namespace {

// Writes one colour into the covered pixels that lie in the clip parts.
class SolidSpans : public SpanSink {
public:
    SolidSpans(ImageBase& target, const std::vector<PixelRect>& parts, uint32_t argb)
        : pixels(target.getPixels()), stride(target.getRowBytes() / 4), parts(parts), argb(argb) {}

    void span(int32_t y, int32_t x0, int32_t x1) override
    {
        for (const PixelRect& part : parts) {
            if (y < part.y || y >= part.bottom())
                continue;
            const int32_t from = std::max(x0, part.x);
            const int32_t to = std::min(x1, part.right());
            if (from < to)
                std::fill(pixels + static_cast<size_t>(y) * stride + from, pixels + static_cast<size_t>(y) * stride + to, argb);
        }
    }

private:
    uint32_t* pixels;
    int32_t stride;
    const std::vector<PixelRect>& parts;
    uint32_t argb;
};

// The pen colour laid over a target pixel with a glyph's coverage (0..255), keeping the target's
// alpha meaningful: a transparent target takes the pen with the coverage as alpha.
uint32_t coveragePixel(uint32_t d, uint32_t penRgb, uint32_t coverage)
{
    const uint32_t targetAlpha = d >> 24;
    if (coverage >= 255 || targetAlpha == 0)
        return (coverage >= 255 ? 255 : coverage) << 24 | penRgb;
    if (targetAlpha == 255) {
        auto mixChannel = [&](int shift) {
            return (blend::channel(d, shift) * (255 - coverage) + blend::channel(penRgb, shift) * coverage + 127) / 255;
        };
        return 0xFF000000u | blend::rgb(mixChannel(16), mixChannel(8), mixChannel(0));
    }
    return blend::composite(d, penRgb, coverage);
}

// Text needs a font even before one is set: the default face at 16 pixels.
Font* defaultFont()
{
    static std::once_flag made;
    static Font* font = nullptr;
    std::call_once(made, [] { font = new Font(Font::defaultFaceName, 0, 16); });
    return font;
}

// The point of a Bezier curve at t: the Bernstein sum of the control points in single
// precision, times the scale, truncated.
void bezierPoint(const int32_t* points, int32_t count, float t, float scale, int32_t& x, int32_t& y)
{
    const int32_t degree = count - 1;
    float sumX = 0;
    float sumY = 0;
    float binomial = 1;
    for (int32_t i = 0; i <= degree; ++i) {
        float weight = binomial;
        for (int32_t k = 0; k < i; ++k)
            weight *= t;
        for (int32_t k = 0; k < degree - i; ++k)
            weight *= 1 - t;
        sumX += weight * static_cast<float>(points[2 * i]);
        sumY += weight * static_cast<float>(points[2 * i + 1]);
        binomial = binomial * static_cast<float>(degree - i) / static_cast<float>(i + 1);
    }
    x = static_cast<int32_t>(sumX * scale);
    y = static_cast<int32_t>(sumY * scale);
}

constexpr double kCurveStep = 0.02;

} // namespace

RasterGraphics::RasterGraphics(ImageBase* surface) : surface(lang::retain(surface))
{
    setClipParts({surfaceBounds()});
}

RasterGraphics::~RasterGraphics() = default;

bool RasterGraphics::surfaceReady()
{
    return surface && surface->hasPixelsReady();
}

PixelRect RasterGraphics::surfaceBounds() const
{
    return surface ? PixelRect{0, 0, surface->getWidth(), surface->getHeight()} : PixelRect{};
}

const std::vector<PixelRect>& RasterGraphics::visibleClip()
{
    // The surface may have been made again at another size since the clip was set.
    const PixelRect bounds = surfaceBounds();
    if (bounds != clippedTo) {
        std::vector<PixelRect> parts = clipParts;
        setClipParts(std::move(parts));
    }
    return clipParts;
}

void RasterGraphics::setClipParts(std::vector<PixelRect> parts)
{
    clippedTo = surfaceBounds();
    clipParts.clear();
    for (const PixelRect& part : parts) {
        const PixelRect cut = part.intersect(clippedTo);
        if (!cut.isEmpty())
            clipParts.push_back(cut);
    }
    clipBounds = clip::boundsOf(clipParts);
}

void RasterGraphics::restoreState(const GraphicsDataStorage& storage)
{
    Graphics::restoreState(storage);
    setClipParts({clipBounds});
}

bool RasterGraphics::drawImageTransformed(ImageBase*, int32_t, int32_t, const util::RectangleNM&, double, double, double, int32_t)
{
    return false;
}

bool RasterGraphics::drawImage(ImageBase* image, int32_t x, int32_t y)
{
    if (image == nullptr || !image->hasPixelsReady())
        return false;
    const PixelRect placed{x + translateX, y + translateY, image->getWidth(), image->getHeight()};
    const int32_t sourceStride = image->getRowBytes() / 4;
    eachClippedRow(placed, [&](uint32_t* row, int32_t count, int32_t rowX, int32_t rowY) {
        const uint32_t* from = image->getPixels() + static_cast<size_t>(rowY - placed.y) * sourceStride + (rowX - placed.x);
        std::memcpy(row, from, static_cast<size_t>(count) * 4);
    });
    return true;
}

void RasterGraphics::setPixel(int32_t x, int32_t y, uint32_t argb)
{
    fillOpaque({x + translateX, y + translateY, 1, 1}, argb | 0xFF000000u);
}

void RasterGraphics::clipRect(int32_t x, int32_t y, int32_t width, int32_t height)
{
    const PixelRect rect{x + translateX, y + translateY, width, height};
    std::vector<PixelRect> narrowed;
    for (const PixelRect& part : clipParts)
        narrowed.push_back(part.intersect(rect));
    setClipParts(std::move(narrowed));
}

void RasterGraphics::excludeClipRect(int32_t x, int32_t y, int32_t width, int32_t height)
{
    setClipParts(clip::withHole(clipParts, {x + translateX, y + translateY, width, height}));
}

void RasterGraphics::setClip(const util::Region* region)
{
    setClipParts(clip::partsOf(region));
}

util::Region* RasterGraphics::getClip()
{
    return clip::regionOf(clipParts);
}

util::RectangleNM RasterGraphics::getClipBounds()
{
    return util::RectangleNM(clipBounds.x, clipBounds.y, clipBounds.width, clipBounds.height);
}

Graphics* RasterGraphics::create()
{
    auto* copy = new RasterGraphics(surface.get());
    copy->translateX = translateX;
    copy->translateY = translateY;
    copy->setClipParts(clipParts);
    return copy;
}

void RasterGraphics::fillOpaque(const PixelRect& area, uint32_t argb)
{
    eachClippedRow(area, [argb](uint32_t* row, int32_t count) { std::fill_n(row, count, argb); });
}

void RasterGraphics::fillOval(int32_t x, int32_t y, int32_t width, int32_t height)
{
    if (!surfaceReady())
        return;
    const std::vector<PixelRect>& parts = visibleClip();
    SolidSpans spans(*surface, parts, penColor | 0xFF000000u);
    raster::fillEllipse(x, y, width, height, clip::boundsOf(parts), spans);
    surface->setPixelsChanged(true);
}

void RasterGraphics::fillRect(int32_t x, int32_t y, int32_t width, int32_t height)
{
    fillRect(x, y, width, height, penColor);
}

void RasterGraphics::fillRect(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t argb)
{
    fillOpaque({x + translateX, y + translateY, width, height}, argb | 0xFF000000u);
}

void RasterGraphics::drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t width)
{
    if (width < 2) {
        raster::forEachLinePoint(x1, y1, x2, y2, [this](int32_t x, int32_t y) { setPixel(x, y); });
        return;
    }
    if (!surfaceReady())
        return;
    const std::vector<PixelRect>& parts = visibleClip();
    SolidSpans spans(*surface, parts, penColor | 0xFF000000u);
    raster::strokeLine(x1 + translateX, y1 + translateY, x2 + translateX, y2 + translateY, width, clip::boundsOf(parts), spans);
    surface->setPixelsChanged(true);
}

void RasterGraphics::drawPolyline(const Polygon& polygon, int32_t width)
{
    for (int32_t i = 0; i + 1 < polygon.getPointCount(); ++i)
        drawLine(polygon.getX(i), polygon.getY(i), polygon.getX(i + 1), polygon.getY(i + 1), width);
}

void RasterGraphics::drawPolygon(const Polygon& polygon)
{
    const int32_t count = polygon.getPointCount();
    for (int32_t i = 0; i < count; ++i) {
        const int32_t next = (i + 1) % count;
        drawLine(polygon.getX(i), polygon.getY(i), polygon.getX(next), polygon.getY(next), 1);
    }
}

void RasterGraphics::fillPolygon(const Polygon& polygon)
{
    if (!surfaceReady())
        return;
    std::vector<PointF> points;
    for (int32_t i = 0; i < polygon.getPointCount(); ++i)
        points.push_back({static_cast<double>(polygon.getX(i) + translateX), static_cast<double>(polygon.getY(i) + translateY)});
    const std::vector<PixelRect>& parts = visibleClip();
    SolidSpans spans(*surface, parts, penColor | 0xFF000000u);
    raster::fillPolygon(points, clip::boundsOf(parts), spans);
    surface->setPixelsChanged(true);
}

void RasterGraphics::drawCurve(const int32_t* points, int32_t count, float scale, int32_t dx, int32_t dy)
{
    if (points == nullptr || count < 1)
        return;
    // Every point is drawn through drawLine, which adds the origin itself.
    const int32_t offsetX = static_cast<int32_t>(static_cast<float>(dx) * scale);
    const int32_t offsetY = static_cast<int32_t>(static_cast<float>(dy) * scale);
    int32_t lastX = static_cast<int32_t>(static_cast<float>(points[0] + dx) * scale);
    int32_t lastY = static_cast<int32_t>(static_cast<float>(points[1] + dy) * scale);
    for (double t = 0; t < 1; t += kCurveStep) {
        int32_t x = 0, y = 0;
        bezierPoint(points, count, static_cast<float>(t), scale, x, y);
        drawLine(lastX, lastY, x + offsetX, y + offsetY, 1);
        lastX = x + offsetX;
        lastY = y + offsetY;
    }
    const int32_t endX = static_cast<int32_t>(static_cast<float>(points[2 * count - 2]) * scale) + offsetX;
    const int32_t endY = static_cast<int32_t>(static_cast<float>(points[2 * count - 1]) * scale) + offsetY;
    drawLine(lastX, lastY, endX, endY, 1);
}

void RasterGraphics::fillCurve(const int32_t* points, int32_t count, float scale)
{
    if (points == nullptr || count < 1)
        return;
    Polygon outline;
    outline.addPoint(static_cast<int32_t>(static_cast<float>(points[0]) * scale),
        static_cast<int32_t>(static_cast<float>(points[1]) * scale));
    for (double t = 0; t < 1; t += kCurveStep) {
        int32_t x = 0, y = 0;
        bezierPoint(points, count, static_cast<float>(t), scale, x, y);
        outline.addPoint(x, y);
    }
    outline.addPoint(static_cast<int32_t>(static_cast<float>(points[2 * count - 2]) * scale),
        static_cast<int32_t>(static_cast<float>(points[2 * count - 1]) * scale));
    fillPolygon(outline);
}

Font* RasterGraphics::textFont()
{
    return font ? font.get() : defaultFont();
}

void RasterGraphics::drawString(const lang::String& text, int32_t x, int32_t y)
{
    drawText(text.c_str(), text.length(), x + translateX, y + translateY, surfaceBounds());
}

void RasterGraphics::drawChars(const char* chars, int32_t offset, int32_t length, int32_t x, int32_t y)
{
    if (chars == nullptr || length < 1)
        return;
    drawText(chars + offset, length, x + translateX, y + translateY, surfaceBounds());
}

void RasterGraphics::drawText(const char* chars, int32_t length, int32_t x, int32_t baseline, const PixelRect& limit)
{
    if (!surfaceReady())
        return;
    Font* f = textFont();
    std::vector<PixelRect> parts;
    for (const PixelRect& part : visibleClip())
        if (!part.intersect(limit).isEmpty())
            parts.push_back(part.intersect(limit));
    uint32_t* pixels = surface->getPixels();
    const int32_t stride = surface->getRowBytes() / 4;
    const uint32_t penRgb = penColor & 0x00FFFFFFu;
    const int32_t startX = x;
    for (int32_t i = 0; i < length; ++i) {
        const GlyphBitmap* glyph = f->getGlyph(static_cast<uint8_t>(chars[i]));
        if (glyph == nullptr)
            break;
        const PixelRect box{x + glyph->originX, baseline - glyph->originY, glyph->width, glyph->height};
        for (const PixelRect& part : parts) {
            const PixelRect cut = part.intersect(box);
            for (int32_t row = cut.y; row < cut.bottom(); ++row) {
                uint32_t* to = pixels + static_cast<size_t>(row) * stride;
                for (int32_t col = cut.x; col < cut.right(); ++col) {
                    const uint32_t level = glyph->level(col - box.x, row - box.y);
                    if (level != 0)
                        to[col] = coveragePixel(to[col], penRgb, (level * 255 + 32) / 64);
                }
            }
        }
        x += glyph->cellAdvance;
    }
    const TextMetrics& metrics = f->getTextMetrics();
    if (metrics.underlined && x > startX) {
        const PixelRect line{startX, baseline + metrics.underlinePosition, x - startX, metrics.underlineThickness};
        for (const PixelRect& part : parts) {
            const PixelRect cut = part.intersect(line);
            for (int32_t row = cut.y; row < cut.bottom(); ++row)
                std::fill_n(pixels + static_cast<size_t>(row) * stride + cut.x, cut.width, penRgb | 0xFF000000u);
        }
    }
    surface->setPixelsChanged(true);
}

void RasterGraphics::drawStringInRect(const lang::String& text, const util::RectangleNM& rect)
{
    Font* f = textFont();
    lang::Ref<FontMetrics> metrics = lang::adopt(f->getFontMetrics());
    const PixelRect box{rect.x + translateX, rect.y + translateY, rect.width, rect.height};
    const int32_t lineHeight = f->getTextMetrics().height;
    int32_t top = box.y;
    for (const lang::String& line : splitLines(text)) {
        const lang::String shown = fitWithEllipsis(line, box.width, *metrics);
        drawText(shown.c_str(), shown.length(), box.x, top + f->getTextMetrics().ascent, box);
        top += lineHeight;
        if (top >= box.bottom())
            break;
    }
}

bool RasterGraphics::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "RasterGraphics") == 0 || Graphics::isInstanceOf(className);
}

} // namespace window
