#include "sprite/BoundsSprite.h"

#include <algorithm>
#include <cstring>

namespace sprite {

BoundsSprite::BoundsSpriteClass BoundsSprite::classObject("BoundsSprite");

BoundsSprite::BoundsSprite()
{
    anchor = AnchorLeft | AnchorTop;
}

BoundsSprite::BoundsSprite(int32_t left, int32_t top, int32_t width, int32_t height)
    : SpriteBase(clampCoordinate(int64_t(left) + width / 2), clampCoordinate(int64_t(top) + height / 2)),
      width(std::clamp(width, 0, CoordinateLimit)), height(std::clamp(height, 0, CoordinateLimit))
{
    anchor = AnchorLeft | AnchorTop;
    computeBounds();
}

bool BoundsSprite::init(window::ImageArray*, lang::IntArray* numbers)
{
    setLocation(numberAt(numbers, 0), numberAt(numbers, 1));
    setSize(numberAt(numbers, 2), numberAt(numbers, 3));
    return true;
}

SpriteBase* BoundsSprite::duplicate()
{
    auto* copy = new BoundsSprite;
    copyBoundsStateTo(*copy);
    return copy;
}

void BoundsSprite::setSize(int32_t newWidth, int32_t newHeight)
{
    newWidth = std::clamp(newWidth, 0, CoordinateLimit);
    newHeight = std::clamp(newHeight, 0, CoordinateLimit);
    if (newWidth == width && newHeight == height)
        return;
    const int32_t anchorX = getX();
    const int32_t anchorY = getY();
    width = newWidth;
    height = newHeight;
    resizeKeepingAnchor(anchorX, anchorY);
}

void BoundsSprite::copyBoundsStateTo(BoundsSprite& other) const
{
    copyStateTo(other);
    other.width = width;
    other.height = height;
}

bool BoundsSprite::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "BoundsSprite") == 0 || SpriteBase::isInstanceOf(className);
}

} // namespace sprite
