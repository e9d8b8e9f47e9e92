#include "window/raster/ImageGraphics.h"

#include "window/image/ImageBase.h"
#include "window/raster/detail/ParticleRenderer.h"
#include "window/raster/detail/TransformedDraw.h"

#include <cstring>

namespace window {

ImageGraphics::ImageGraphics(ImageBase* image, FancyHelper* helper) : RasterGraphics(image), GraphicsIMixin(helper) {}

ImageGraphics::~ImageGraphics() = default;

bool ImageGraphics::drawImage(ImageBase* image, int32_t x, int32_t y)
{
    if (image == nullptr || !image->hasPixelsReady())
        return false;
    FancyHelper* blender = fancyHelper();
    blender->setSource(image->getPixels(), image->getWidth(), image->getHeight(), image->getRowBytes() / 4);
    blender->setMultipliers(tintValue());
    blendSource(x + translateX, y + translateY);
    return true;
}

void ImageGraphics::blendSource(int32_t x, int32_t y)
{
    if (!surfaceReady())
        return;
    FancyHelper* blender = fancyHelper();
    for (const PixelRect& part : visibleClip()) {
        if (blendMode == BLEND_ADDITIVE)
            blender->additiveBlend(*surface, x, y, part);
        else
            blender->alphaBlend(*surface, x, y, part);
    }
}

bool ImageGraphics::drawShadow(ImageBase* image, int32_t x, int32_t y)
{
    if (image == nullptr || !image->hasPixelsReady())
        return false;
    if (!surfaceReady())
        return true;
    FancyHelper* blender = fancyHelper();
    blender->setSource(image->getPixels(), image->getWidth(), image->getHeight(), image->getRowBytes() / 4);
    for (const PixelRect& part : visibleClip())
        blender->shadowBlend(*surface, x + translateX, y + translateY, part);
    return true;
}

void ImageGraphics::readModulation(Modulation& modulation) const
{
    modulation.tint = blend::Multipliers::fromArgb(tintValue());
    modulation.useCorners = useCornerColors;
    // Corner colours fade with the opacity just as the tint does.
    for (int32_t i = 0; i < 4; ++i)
        modulation.corners[i] = applyOpacity(getCornerColor(i).getValue(), opacity);
    modulation.additive = blendMode == BLEND_ADDITIVE;
}

bool ImageGraphics::drawImageTransformed(ImageBase* image, int32_t centreX, int32_t centreY,
    const util::RectangleNM& sourceRect, double scaleX, double scaleY, double angle, int32_t flip)
{
    if (image == nullptr || !image->hasPixelsReady())
        return false;
    if (!surfaceReady() || sourceRect.width <= 0 || sourceRect.height <= 0)
        return true;
    const int32_t stride = image->getRowBytes() / 4;
    const PixelRect part{sourceRect.x, sourceRect.y, sourceRect.width, sourceRect.height};
    const PixelRect valid = part.intersect({0, 0, image->getWidth(), image->getHeight()});
    const bool untransformed = scaleX == 1.0 && scaleY == 1.0 && angle == 0.0 && (flip & 3) == 0;
    if (untransformed && !useCornerColors) {
        // Texels land on pixels one to one: the plain blend gives the same pixels, faster.
        if (valid.isEmpty())
            return true;
        FancyHelper* blender = fancyHelper();
        blender->setSource(image->getPixels() + static_cast<size_t>(valid.y) * stride + valid.x, valid.width, valid.height, stride);
        blender->setMultipliers(tintValue());
        const int32_t left = centreX + translateX - (part.width >> 1) + (valid.x - part.x);
        const int32_t top = centreY + translateY - (part.height >> 1) + (valid.y - part.y);
        blendSource(left, top);
        return true;
    }
    const TransformedSource source{image->getPixels(), image->getWidth(), image->getHeight(), stride, part};
    const Placement placement{static_cast<double>(centreX + translateX), static_cast<double>(centreY + translateY),
        scaleX, scaleY, angle, flip & 3};
    Modulation modulation;
    readModulation(modulation);
    for (const PixelRect& clipPart : visibleClip())
        drawTransformed(*surface, clipPart, source, placement, modulation);
    return true;
}

void ImageGraphics::setPixel(int32_t x, int32_t y)
{
    setPixel(x, y, penColor | 0xFF000000u);
}

void ImageGraphics::setPixel(int32_t x, int32_t y, uint32_t argb)
{
    x += translateX;
    y += translateY;
    if (!surfaceReady() || !surfaceBounds().contains(x, y))
        return;
    uint32_t& d = surface->getPixels()[static_cast<size_t>(y) * (surface->getRowBytes() / 4) + x];
    const uint32_t a = argb >> 24;
    d = a < 255 ? blend::mixedOpaque(d, argb, a) : argb;
    surface->setPixelsChanged(true);
}

uint32_t ImageGraphics::getPixel(int32_t x, int32_t y)
{
    x += translateX;
    y += translateY;
    if (!surfaceReady() || !surfaceBounds().contains(x, y))
        return 0;
    return surface->getPixels()[static_cast<size_t>(y) * (surface->getRowBytes() / 4) + x];
}

void ImageGraphics::clipRect(int32_t x, int32_t y, int32_t width, int32_t height)
{
    setClipParts({{x + translateX, y + translateY, width, height}});
}

Graphics* ImageGraphics::create()
{
    auto* copy = new ImageGraphics(surface.get(), fancyHelper());
    copy->translateX = translateX;
    copy->translateY = translateY;
    copy->setClipParts(clipParts);
    // What is drawn through the new target blends as through this one, as on the window target.
    copy->blendMode = blendMode;
    return copy;
}

GraphicsParticle* ImageGraphics::createParticleSystem()
{
    return new ParticleRenderer;
}

void ImageGraphics::fillRect(int32_t x, int32_t y, int32_t width, int32_t height)
{
    const blend::Multipliers& m = fancyHelper()->getMultipliers();
    const uint32_t colour = 0xFF000000u
        | blend::rgb(blend::scaled(blend::channel(penColor, 16), m.red), blend::scaled(blend::channel(penColor, 8), m.green),
            blend::scaled(blend::channel(penColor, 0), m.blue));
    fillOpaque({x + translateX, y + translateY, width, height}, colour);
}

void ImageGraphics::fillRectBlended(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t argb)
{
    if ((argb >> 24) != 0)
        eachClippedRow({x + translateX, y + translateY, width, height},
            [argb](uint32_t* row, int32_t count) { blend::blendedFillRow(row, count, argb); });
}

int32_t ImageGraphics::setBlendMode(int32_t mode)
{
    const int32_t previous = blendMode;
    blendMode = mode;
    return previous;
}

bool ImageGraphics::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "ImageGraphics") == 0 || RasterGraphics::isInstanceOf(className);
}

} // namespace window
