#include "sprite/TransitionSprite.h"

#include "window/raster/Graphics.h"

#include <cstring>

namespace sprite {

TransitionSprite::TransitionSpriteClass TransitionSprite::classObject("TransitionSprite");

TransitionSprite::TransitionSprite()
{
    visible = false;
}

bool TransitionSprite::init(window::ImageArray* pictures, lang::IntArray* numbers)
{
    BoundsSprite::init(pictures, numbers);
    const int32_t given = numberAt(numbers, 4, DefaultFrames);
    frames = given > 0 ? given : DefaultFrames;
    return true;
}

SpriteBase* TransitionSprite::duplicate()
{
    auto* copy = new TransitionSprite;
    copyBoundsStateTo(*copy);
    copy->picture = picture;
    copy->frames = frames;
    return copy;
}

void TransitionSprite::start(window::ImageBase* oldScreen, int32_t fadeFrames)
{
    picture = lang::retain(oldScreen);
    setAlpha(OpaqueAlpha);
    setVisible(true);
    fadeTo(0, fadeFrames > 0 ? fadeFrames : frames, true);
    markDirty();
}

bool TransitionSprite::isDrawable() const
{
    return picture && BoundsSprite::isDrawable();
}

void TransitionSprite::paint(window::Graphics* graphics)
{
    // The picture is stretched over the rectangle, its top-left on the rectangle's.
    graphics->setTint(color.getValue());
    const util::RectangleNM whole(0, 0, picture->getWidth(), picture->getHeight());
    const double scaleAcross = whole.width > 0 ? static_cast<double>(width) / whole.width : 1.0;
    const double scaleDown = whole.height > 0 ? static_cast<double>(height) / whole.height : 1.0;
    graphics->drawImageTransformed(picture.get(), x, y, whole, scaleAcross, scaleDown, 0.0, 0);
}

bool TransitionSprite::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "TransitionSprite") == 0 || BoundsSprite::isInstanceOf(className);
}

} // namespace sprite
