#include "sprite/ImageSprite.h"

#include "window/image/ImageArray.h"
#include "window/raster/Graphics.h"
#include "window/raster/PixelImage.h"

#include <cmath>
#include <cstring>

namespace sprite {

ImageSprite::ImageSpriteClass ImageSprite::classObject("Sprite");

ImageSprite::ImageSprite()
{
    anchor = AnchorLeft | AnchorTop;
}

ImageSprite::ImageSprite(window::ImageBase* picture, int32_t x, int32_t y) : SpriteBase(x, y)
{
    anchor = AnchorLeft | AnchorTop;
    image = lang::retain(picture);
    if (image)
        sourceRect = util::RectangleNM(0, 0, image->getWidth(), image->getHeight());
    computeBounds();
}

ImageSprite::~ImageSprite() = default;

void ImageSprite::paint(window::Graphics* graphics)
{
    if (!image)
        return;
    graphics->setTint(color.getValue());
    graphics->setUseCornerColors(useCornerColors);
    if (useCornerColors) {
        for (int32_t i = 0; i < 4; ++i)
            graphics->setCornerColor(i, getCornerColor(i));
    }
    graphics->drawImageTransformed(image.get(), x, y, sourceRect, scaleX, scaleY, rotation, flip);
}

lang::Ref<window::ImageBase> ImageSprite::pictureOfEntry(window::ImageArray* pictures)
{
    window::ImageBase* first = pictures ? pictures->imageAt(0) : nullptr;
    window::ImageBase* mask = pictures ? pictures->imageAt(1) : nullptr;
    if (!first || !mask)
        return lang::retain(first);
    if (!window::ImageBase::isHeaderOnlyMode()) {
        lang::Ref<window::ImageBase> masked = lang::adopt(first->copy());
        masked->setMask(mask);
        return masked;
    }
    // Header-only loading: the masked picture is made when first drawn.
    lang::String spec = first->getName() + "|" + mask->getName();
    return lang::adopt<window::ImageBase>(new window::PixelImage(spec));
}

bool ImageSprite::init(window::ImageArray* pictures, lang::IntArray* numbers)
{
    lang::Ref<window::ImageBase> picture = pictureOfEntry(pictures);
    setImage(picture.get());
    setLocation(numberAt(numbers, 0), numberAt(numbers, 1));
    return true;
}

SpriteBase* ImageSprite::duplicate()
{
    auto* copy = new ImageSprite;
    copyImageStateTo(*copy);
    return copy;
}

void ImageSprite::copyImageStateTo(ImageSprite& other) const
{
    copyStateTo(other);
    other.image = image;
    other.sourceRect = sourceRect;
    other.releaseRequested = releaseRequested;
    other.keepImage = keepImage;
    other.noPixelHit = noPixelHit;
}

bool ImageSprite::update(int32_t frameNo, util::RectangleNM& outBounds, util::Region& dirtyRegion)
{
    if (releaseRequested)
        releaseImages();
    return SpriteBase::update(frameNo, outBounds, dirtyRegion);
}

bool ImageSprite::isDrawable() const
{
    return image && SpriteBase::isDrawable();
}

void ImageSprite::releaseImages()
{
    releaseRequested = false;
    // A picture made in memory has no source to be read again from: it keeps its pixels.
    if (!keepImage && image && !image->getName().isEmpty())
        image->unload();
}

void ImageSprite::loadImages()
{
    releaseRequested = false;
    if (image)
        image->ensurePixels();
}

bool ImageSprite::acceptsImage(window::ImageBase*)
{
    return true;
}

void ImageSprite::imageHook(window::ImageBase*) {}

void ImageSprite::setImage(window::ImageBase* newImage)
{
    if (newImage == image.get())
        return;
    const int32_t anchorX = getX();
    const int32_t anchorY = getY();
    image = lang::retain(newImage);
    sourceRect = image ? util::RectangleNM(0, 0, image->getWidth(), image->getHeight()) : util::RectangleNM();
    releaseRequested = false;
    resizeKeepingAnchor(anchorX, anchorY);
}

void ImageSprite::setSourceRect(const util::RectangleNM& rectangle)
{
    const bool resized = rectangle.width != sourceRect.width || rectangle.height != sourceRect.height;
    const int32_t anchorX = getX();
    const int32_t anchorY = getY();
    sourceRect = rectangle;
    if (resized)
        resizeKeepingAnchor(anchorX, anchorY);
    else
        markDirty();
}

bool ImageSprite::findEdge(int32_t& px, int32_t& py, char direction, int32_t threshold)
{
    if (!image)
        return false;
    const util::RectangleNM& box = bounds;
    const bool vertical = direction == 'B' || direction == 'T';
    if (!vertical && direction != 'L' && direction != 'R')
        return false;
    // The scan starts on one side of the bounds and walks toward the other.
    const bool backward = direction == 'B' || direction == 'R';
    const int32_t first = vertical ? box.y : box.x;
    const int32_t length = vertical ? box.height : box.width;
    for (int32_t i = 0; i < length; ++i) {
        const int32_t at = backward ? first + length - 1 - i : first + i;
        if (hitTestPixel(vertical ? px : at, vertical ? at : py, threshold)) {
            (vertical ? py : px) = at;
            return true;
        }
    }
    return false;
}

bool ImageSprite::hitTestPixel(int32_t px, int32_t py, int32_t threshold)
{
    if (!image || noPixelHit)
        return contains(px, py);
    const int32_t w = sourceRect.width;
    const int32_t h = sourceRect.height;
    if (w <= 0 || h <= 0 || scaleX <= 0.0 || scaleY <= 0.0)
        return false;
    // The pixel's centre, relative to the reference point, taken back through the rotation
    // and scale the picture is drawn with.
    const double dx = px + 0.5 - x;
    const double dy = py + 0.5 - y;
    const double radians = rotation * 3.14159265358979323846 / 180.0;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    double u = (dx * c + dy * s) / scaleX + (w >> 1);
    double v = (-dx * s + dy * c) / scaleY + (h >> 1);
    if (flip & 1)
        u = w - u;
    if (flip & 2)
        v = h - v;
    if (u < 0.0 || v < 0.0 || u >= w || v >= h)
        return false;
    const int32_t column = sourceRect.x + int32_t(u);
    const int32_t row = sourceRect.y + int32_t(v);
    image->ensurePixels();
    const uint32_t* pixels = image->getPixels();
    if (!pixels || column < 0 || row < 0 || column >= image->getWidth() || row >= image->getHeight())
        return false;
    const uint32_t pixel = pixels[size_t(row) * size_t(image->getRowBytes() / 4) + size_t(column)];
    return int32_t(pixel >> 24) >= threshold;
}

bool ImageSprite::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "ImageSprite") == 0 || SpriteBase::isInstanceOf(className);
}

} // namespace sprite
