#include "sprite/RectButtonSprite.h"

#include <cstring>

namespace sprite {

RectButtonSprite::RectButtonSpriteClass RectButtonSprite::classObject("RectButtonSprite");

RectButtonSprite::RectButtonSprite(int32_t left, int32_t top, int32_t width, int32_t height)
    : BoundsSprite(left, top, width, height)
{
}

bool RectButtonSprite::init(window::ImageArray* pictures, lang::IntArray* numbers)
{
    if (numberCount(numbers) < 4)
        return false;
    BoundsSprite::init(pictures, numbers);
    const int32_t initial = numberAt(numbers, 4, Disabled);
    state = initial >= Disabled && initial <= SelectedPressed ? initial : Disabled;
    return true;
}

SpriteBase* RectButtonSprite::duplicate()
{
    auto* copy = new RectButtonSprite;
    copyBoundsStateTo(*copy);
    copy->state = state;
    copy->fireOnRelease = fireOnRelease;
    copy->pressed = pressed;
    return copy;
}

bool RectButtonSprite::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "RectButtonSprite") == 0 || BoundsSprite::isInstanceOf(className);
}

} // namespace sprite
