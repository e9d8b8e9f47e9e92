// The shape and text primitives, drawn by our own rasteriser on the pixels of an image in
// memory (the surface): lines, polylines, polygons, ellipses, Bezier curves, opaque fills and
// text, all in the pen colour and within the clip. The clip is a set of rectangles of the
// surface; clipRect narrows it, excludeClipRect cuts holes, saved states keep its bounds.
#pragma once

#include "lang/Ref.h"
#include "window/image/ImageBase.h"
#include "window/raster/Graphics.h"

#include <type_traits>
#include <vector>

namespace window {

class RasterGraphics : public Graphics {
public:
    // Draws on `surface` (a reference is taken); the clip starts as the whole surface.
    explicit RasterGraphics(ImageBase* surface);
    ~RasterGraphics() override;

    void restoreState(const GraphicsDataStorage& storage) override;

    // A raster target draws no transformed pictures.
    bool drawImageTransformed(ImageBase* image, int32_t centreX, int32_t centreY, const util::RectangleNM& sourceRect,
        double scaleX, double scaleY, double angle, int32_t flip) override;
    // Copies the whole picture, alpha included, with its top-left corner at (x, y).
    bool drawImage(ImageBase* image, int32_t x, int32_t y) override;

    // Stores the colour made opaque, inside the clip.
    void setPixel(int32_t x, int32_t y, uint32_t argb) override;
    using Graphics::setPixel;

    void clipRect(int32_t x, int32_t y, int32_t width, int32_t height) override;
    void excludeClipRect(int32_t x, int32_t y, int32_t width, int32_t height) override;
    // The region (in target coordinates) within the surface becomes the clip.
    void setClip(const util::Region* region) override;
    util::Region* getClip() override;
    util::RectangleNM getClipBounds() override;

    Graphics* create() override;
    // Nothing of the surface needs giving back.
    void dispose() override {}

    void fillOval(int32_t x, int32_t y, int32_t width, int32_t height) override;
    void fillRect(int32_t x, int32_t y, int32_t width, int32_t height) override;
    void fillRect(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t argb) override;
    void drawString(const lang::String& text, int32_t x, int32_t y) override;
    void drawChars(const char* chars, int32_t offset, int32_t length, int32_t x, int32_t y) override;
    // Width below 2: the points of the line, both ends included, each set with setPixel(x, y).
    void drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t width) override;
    void drawPolyline(const Polygon& polygon, int32_t width) override;
    void drawPolygon(const Polygon& polygon) override;
    void fillPolygon(const Polygon& polygon) override;
    void drawStringInRect(const lang::String& text, const util::RectangleNM& rect) override;
    void drawCurve(const int32_t* points, int32_t count, float scale, int32_t dx, int32_t dy) override;
    void fillCurve(const int32_t* points, int32_t count, float scale) override;

    ImageBase* getSurface() const { return surface.get(); }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "RasterGraphics"; }

protected:
    // Makes the surface's pixels ready; false when it has none.
    bool surfaceReady();
    PixelRect surfaceBounds() const;
    // The clip parts, cut to the surface as it is now.
    const std::vector<PixelRect>& visibleClip();
    // The parts, cut to the surface, become the clip.
    void setClipParts(std::vector<PixelRect> parts);
    // Fills the rectangle (target coordinates) with one value in every clip part.
    void fillOpaque(const PixelRect& area, uint32_t argb);
    // Calls rowFunction(pixels, count) - or (pixels, count, x, y) - for every row of the area
    // (target coordinates) inside each clip part, then marks the surface changed.
    template <class RowFunction>
    void eachClippedRow(const PixelRect& area, RowFunction rowFunction);
    // The run of text with the left end of its baseline at (x, baseline), target coordinates,
    // also cut to `limit`.
    void drawText(const char* chars, int32_t length, int32_t x, int32_t baseline, const PixelRect& limit);
    // The font to draw text with: the one set, or a default one.
    Font* textFont();

    lang::Ref<ImageBase> surface;
    // Disjoint rectangles in target coordinates, within the surface as it was when they were
    // cut (clippedTo); clipBounds holds their bounding box.
    std::vector<PixelRect> clipParts;
    PixelRect clippedTo;
};

template <class RowFunction>
void RasterGraphics::eachClippedRow(const PixelRect& area, RowFunction rowFunction)
{
    if (!surfaceReady())
        return;
    const int32_t stride = getSurface()->getRowBytes() / 4;
    for (const PixelRect& part : visibleClip()) {
        const PixelRect cut = part.intersect(area);
        for (int32_t y = cut.y; y < cut.bottom(); ++y) {
            uint32_t* row = getSurface()->getPixels() + static_cast<size_t>(y) * stride + cut.x;
            if constexpr (std::is_invocable_v<RowFunction, uint32_t*, int32_t, int32_t, int32_t>)
                rowFunction(row, cut.width, cut.x, y);
            else
                rowFunction(row, cut.width);
        }
    }
    getSurface()->setPixelsChanged(true);
}

} // namespace window
