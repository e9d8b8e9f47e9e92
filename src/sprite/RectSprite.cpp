#include "sprite/RectSprite.h"

#include "window/raster/Graphics.h"

#include <cstring>

namespace sprite {

RectSprite::RectSpriteClass RectSprite::classObject("RectSprite");

RectSprite::RectSprite(int32_t left, int32_t top, int32_t width, int32_t height, uint32_t argb)
    : BoundsSprite(left, top, width, height), fillColor(argb)
{
}

void RectSprite::paint(window::Graphics* graphics)
{
    graphics->setFlag(flag ? 1 : 0);
    // The fill fades with the sprite and with the containers it sits in.
    const uint32_t faded = window::Graphics::applyOpacity(fillColor, getAlpha());
    const uint32_t argb = window::Graphics::applyOpacity(faded, graphics->getOpacity());
    const int32_t left = getX();
    const int32_t top = getY();
    if ((argb >> 24) < 255) {
        graphics->fillRectBlended(left, top, getBoundsWidth(), getBoundsHeight(), argb);
        return;
    }
    graphics->fillRect(left, top, getBoundsWidth(), getBoundsHeight(), argb);
}

bool RectSprite::init(window::ImageArray* pictures, lang::IntArray* numbers)
{
    BoundsSprite::init(pictures, numbers);
    fillColor = uint32_t(numberAt(numbers, 4));
    if (numberCount(numbers) >= 6)
        setVisible(numberAt(numbers, 5) != 0);
    flag = numberAt(numbers, 6) != 0;
    return true;
}

SpriteBase* RectSprite::duplicate()
{
    auto* copy = new RectSprite;
    copyBoundsStateTo(*copy);
    copy->fillColor = fillColor;
    copy->flag = flag;
    return copy;
}

void RectSprite::setFillColor(uint32_t argb)
{
    if (argb == fillColor)
        return;
    fillColor = argb;
    markDirty();
}

bool RectSprite::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "RectSprite") == 0 || BoundsSprite::isInstanceOf(className);
}

} // namespace sprite
