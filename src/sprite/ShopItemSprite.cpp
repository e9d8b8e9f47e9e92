#include "sprite/ShopItemSprite.h"

#include <cstring>

namespace sprite {

ShopItemSprite::ShopItemSpriteClass ShopItemSprite::classObject("ShopItemSprite");

bool ShopItemSprite::init(window::ImageArray* pictures, lang::IntArray* numbers)
{
    const bool result = ImageSprite::init(pictures, numbers);
    setAlpha(numberAt(numbers, 2, OpaqueAlpha));
    extra1 = numberAt(numbers, 3, -1);
    extra2 = numberAt(numbers, 4);
    kind = numberAt(numbers, 5, -1);
    return result;
}

SpriteBase* ShopItemSprite::duplicate()
{
    auto* copy = new ShopItemSprite;
    copyImageStateTo(*copy);
    copy->extra1 = extra1;
    copy->extra2 = extra2;
    copy->kind = kind;
    return copy;
}

bool ShopItemSprite::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "ShopItemSprite") == 0 || ImageSprite::isInstanceOf(className);
}

} // namespace sprite
