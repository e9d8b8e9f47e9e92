// The life of a shop beside its customers: chatter at random moments, the ambient animation of
// shops 4, 9 and 11 ("ambientAnim1", with the shop's ambient sound) and shop 9's clouds
// drifting across its sky. Times count the round's clock units left.
#pragma once

#include "game/shop/RoundAudio.h"
#include "sprite/DialogSprite.h"
#include "util/Random.h"

class ShopAmbience {
public:
    ShopAmbience(RoundAudio& audio, util::Random& random);

    // A new round: the first chatter comes 20 to 39 units from now; then the animations are
    // set up (initAmbient). The clouds' arrival is told to the listener as "initAmbientAnim".
    void startRound(
        sprite::DialogSprite& shop, int32_t shopNumber, int32_t timeLeft, window::Receiver* listener);
    // The clouds set off again from the left, and the next ambient animation is timed.
    void initAmbient(int32_t timeLeft);
    // One running frame: chatter and the ambient animation when their time has come.
    void step(int32_t timeLeft);
    // The animation has played: it rests on its first cell.
    static void rest(sprite::SpriteBase* animation);

private:
    void nextAnimationTime(int32_t timeLeft);
    void animate();

    RoundAudio& audio;
    util::Random& random;
    sprite::DialogSprite* shop = nullptr;
    window::Receiver* listener = nullptr;
    int32_t shopNumber = 1;
    int32_t chatterAt = 0;
    // -1 in shops without an ambient animation.
    int32_t ambientAt = -1;
};
