#include "game/shop/ShopItem.h"

#include <algorithm>
#include <cstdlib>

SpriteRec::SpriteRec(sprite::ShopItemSprite* shelfSprite, int32_t number)
    : sprite(lang::retain(shelfSprite)), itemNumber(number)
{
}

ShopItem::ShopItem(const lang::String& itemName) : name(itemName), type(typeOfName(itemName))
{
}

int32_t ShopItem::typeOfName(const lang::String& name)
{
    const int32_t colon = name.lastIndexOf(':');
    if (colon < 0)
        return 1;
    const char* digits = name.c_str() + colon + 1;
    char* end = nullptr;
    const long value = std::strtol(digits, &end, 10);
    if (end == digits)
        return 1;
    // The type indexes the five quota counters.
    return static_cast<int32_t>(std::clamp<long>(value, LowestType, HighestType));
}

void ShopItem::addMember(SpriteRec* member)
{
    members.push_back(lang::retain(member));
}
