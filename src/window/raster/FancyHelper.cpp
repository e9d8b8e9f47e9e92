#include "window/raster/FancyHelper.h"

#include "window/image/ImageBase.h"

#include <cstring>

namespace window {

void FancyHelper::setShadow(bool enabled, int32_t offsetX, int32_t offsetY)
{
    shadowEnabled = enabled;
    shadowOffsetX = offsetX;
    shadowOffsetY = offsetY;
}

void FancyHelper::setSource(const uint32_t* pixels, int32_t width, int32_t height, int32_t stride)
{
    sourcePixels = pixels;
    sourceWidth = width;
    sourceHeight = height;
    sourceStride = stride;
}

void FancyHelper::alphaBlend(ImageBase& target, int32_t x, int32_t y, const PixelRect& clip)
{
    if (multipliers.alpha == 0)
        return;
    if (shadowEnabled)
        run(Rule::Shadow, target, x + shadowOffsetX, y + shadowOffsetY, clip);
    run(Rule::Alpha, target, x, y, clip);
}

void FancyHelper::additiveBlend(ImageBase& target, int32_t x, int32_t y, const PixelRect& clip)
{
    if (multipliers.alpha != 0)
        run(Rule::Additive, target, x, y, clip);
}

void FancyHelper::shadowBlend(ImageBase& target, int32_t x, int32_t y, const PixelRect& clip)
{
    if (multipliers.alpha != 0)
        run(Rule::Shadow, target, x, y, clip);
}

void FancyHelper::run(Rule rule, ImageBase& target, int32_t x, int32_t y, const PixelRect& clip)
{
    uint32_t* targetPixels = target.getPixels();
    if (targetPixels == nullptr || sourcePixels == nullptr)
        return;
    const PixelRect area = clip.intersect({0, 0, target.getWidth(), target.getHeight()})
                               .intersect({x, y, sourceWidth, sourceHeight});
    if (area.isEmpty())
        return;
    const blend::Block block{targetPixels + static_cast<size_t>(area.y) * (target.getRowBytes() / 4) + area.x,
        target.getRowBytes() / 4, sourcePixels + static_cast<size_t>(area.y - y) * sourceStride + (area.x - x), sourceStride,
        area.width, area.height};
    switch (rule) {
    case Rule::Alpha:
        blend::alphaBlock(block, multipliers, target.getHasAlpha());
        break;
    case Rule::Additive:
        blend::additiveBlock(block, multipliers, target.getHasAlpha());
        break;
    case Rule::Shadow:
        blend::shadowBlock(block, multipliers.alpha);
        break;
    }
    target.setPixelsChanged(true);
}

bool FancyHelper::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "FancyHelper") == 0 || lang::Object::isInstanceOf(className);
}

} // namespace window
