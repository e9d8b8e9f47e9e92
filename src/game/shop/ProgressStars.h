// The row of fifteen progress stars of a day. The first nine served customers light their star
// at once; from the tenth on a coloured star (bronze, then silver from the thirteenth, gold for
// the fifteenth) rises with its glow over the customer and flies into the row, where a star
// burst greets it.
#pragma once

#include "sprite/DialogSprite.h"
#include "sprite/RadialSpritePSX.h"

#include <array>

class ProgressStars {
public:
    static constexpr int32_t Stars = 15;
    static constexpr int32_t FirstFlying = 10;
    static constexpr int32_t RisePixels = 80;
    static constexpr int32_t RiseFrames = 20;
    static constexpr int32_t FlightFrames = 20;
    // The star burst over a landed star.
    static constexpr int32_t BurstPattern = 8;
    static constexpr int32_t BurstVariant = 4;

    // The stars of the shop dialog; the burst and the receiver of the flights' actions
    // ("shootstar" and "starreacheddest" followed by n) are not counted.
    void attach(sprite::DialogSprite* shop, sprite::RadialSpritePSX* burst, window::Receiver* listener);
    // The start of a day: no star shows.
    void hideAll();
    // The n-th served customer (from 1), at place 0 to 4, whose star rises from (x, y).
    void award(int32_t n, int32_t place, int32_t x, int32_t y);
    // A risen star flies to its place in the row.
    void shoot(int32_t n);
    // A flying star reached the row: it lights there.
    void land(int32_t n);

    // The name of the coloured star of the n-th customer: "bronzeStar", "silverStar" or
    // "goldStar".
    static const char* colourOf(int32_t n);

private:
    sprite::SpriteBase* child(const lang::String& name) const;
    sprite::SpriteBase* star(int32_t n) const { return child(lang::String("star") + n); }
    sprite::SpriteBase* flyingStar(int32_t n) const;
    sprite::SpriteBase* glow(int32_t n) const;

    sprite::DialogSprite* shop = nullptr;
    sprite::RadialSpritePSX* burst = nullptr;
    window::Receiver* listener = nullptr;
    // The place (1 to 5) each flying star of n rose from.
    std::array<int32_t, Stars + 1> placeOf{};
    // The star n still flying from each place 0 to 4, or 0.
    std::array<int32_t, 5> flyingFrom{};
};
