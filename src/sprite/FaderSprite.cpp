#include "sprite/FaderSprite.h"

#include <cstring>

namespace sprite {

FaderSprite::FaderSpriteClass FaderSprite::classObject("FaderSprite");

SpriteBase* FaderSprite::duplicate()
{
    auto* copy = new FaderSprite;
    copyImageStateTo(*copy);
    return copy;
}

bool FaderSprite::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "FaderSprite") == 0 || ImageSprite::isInstanceOf(className);
}

} // namespace sprite
