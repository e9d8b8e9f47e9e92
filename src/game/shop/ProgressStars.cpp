#include "game/shop/ProgressStars.h"

#include "game/shop/Glide.h"

void ProgressStars::attach(
    sprite::DialogSprite* dialog, sprite::RadialSpritePSX* starBurst, window::Receiver* receiver)
{
    shop = dialog;
    burst = starBurst;
    listener = receiver;
}

sprite::SpriteBase* ProgressStars::child(const lang::String& name) const
{
    return shop ? shop->getChild(name) : nullptr;
}

const char* ProgressStars::colourOf(int32_t n)
{
    return n < 13 ? "bronzeStar" : n < 15 ? "silverStar" : "goldStar";
}

sprite::SpriteBase* ProgressStars::flyingStar(int32_t n) const
{
    return child(lang::String(colourOf(n)) + placeOf[n]);
}

sprite::SpriteBase* ProgressStars::glow(int32_t n) const
{
    return child(lang::String("particleStar") + placeOf[n]);
}

void ProgressStars::hideAll()
{
    for (const char* name : {"bronzeStar", "silverStar", "goldStar", "particleStar"}) {
        for (int32_t place = 1; place <= 5; ++place) {
            if (sprite::SpriteBase* sprite = child(lang::String(name) + place))
                sprite->setVisible(false);
        }
    }
    for (int32_t n = 1; n <= Stars; ++n) {
        if (sprite::SpriteBase* sprite = star(n))
            sprite->setVisible(false);
    }
    placeOf.fill(0);
    flyingFrom.fill(0);
    if (burst)
        burst->setVisible(false);
}

void ProgressStars::award(int32_t n, int32_t place, int32_t x, int32_t y)
{
    if (n < 1 || n > Stars)
        return;
    if (n < FirstFlying) {
        if (sprite::SpriteBase* lit = star(n))
            lit->setVisible(true);
        return;
    }
    // A star still flying from this place lands first: its sprites rise again now.
    if (flyingFrom[place] != 0)
        land(flyingFrom[place]);
    placeOf[n] = place + 1;
    flyingFrom[place] = n;
    sprite::SpriteBase* rising = flyingStar(n);
    if (!rising) {
        land(n);
        return;
    }
    // Placed at once, then rising.
    for (sprite::SpriteBase* sprite : {rising, glow(n)}) {
        if (!sprite)
            continue;
        glideCentreTo(*sprite, x, y, 0);
        sprite->setVisible(true);
        sprite->moveTo(sprite->getX(), sprite->getY() - RisePixels, RiseFrames);
    }
    rising->setListener(listener, lang::String("shootstar") + n);
}

void ProgressStars::shoot(int32_t n)
{
    sprite::SpriteBase* rising = n >= FirstFlying && n <= Stars ? flyingStar(n) : nullptr;
    sprite::SpriteBase* target = star(n);
    if (!rising || !target) {
        land(n);
        return;
    }
    const Centre slot = centreOf(*target);
    glideCentreTo(*rising, slot.x, slot.y, FlightFrames);
    if (sprite::SpriteBase* light = glow(n))
        glideCentreTo(*light, slot.x, slot.y, FlightFrames);
    rising->setListener(listener, lang::String("starreacheddest") + n);
}

void ProgressStars::land(int32_t n)
{
    if (n < 1 || n > Stars)
        return;
    if (n >= FirstFlying && placeOf[n] != 0) {
        flyingFrom[placeOf[n] - 1] = 0;
        for (sprite::SpriteBase* sprite : {flyingStar(n), glow(n)}) {
            if (sprite) {
                sprite->setVisible(false);
                sprite->setListener(nullptr, nullptr);
            }
        }
    }
    sprite::SpriteBase* lit = star(n);
    if (!lit)
        return;
    lit->setVisible(true);
    if (burst) {
        const Centre centre = centreOf(*lit);
        burst->moveBy(centre.x - burst->getReferenceX(), centre.y - burst->getReferenceY());
        burst->restart(BurstPattern, BurstVariant);
    }
}
