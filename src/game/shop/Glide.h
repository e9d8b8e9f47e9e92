// Moving sprites by their centres: the round's flights, stars and pointers aim at the middle of
// what they fly to, whatever the anchors of the sprites involved.
#pragma once

#include "sprite/SpriteBase.h"

struct Centre {
    int32_t x = 0;
    int32_t y = 0;
};

// The centre of the sprite's bounds.
inline Centre centreOf(sprite::SpriteBase& sprite)
{
    const util::RectangleNM& area = sprite.getBounds();
    return Centre{area.x + area.width / 2, area.y + area.height / 2};
}

// Moves the sprite over the frames so that its centre ends at (x, y); 0 frames puts it there
// at once.
inline void glideCentreTo(sprite::SpriteBase& sprite, int32_t x, int32_t y, int32_t frames)
{
    const Centre centre = centreOf(sprite);
    if (frames <= 0)
        sprite.moveBy(x - centre.x, y - centre.y);
    else
        sprite.moveTo(sprite.getX() + x - centre.x, sprite.getY() + y - centre.y, frames);
}
