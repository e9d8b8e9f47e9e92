#include "game/shop/ShopAmbience.h"

#include "sprite/AnimateSprite.h"

namespace {

constexpr int32_t CloudShop = 9;
constexpr int32_t CuckooShop = 11;
constexpr int32_t CloudRight = 680;
constexpr int32_t FarCloudFrames = 8460;
constexpr int32_t CloseCloudFrames = 5880;
// The animation's sheet steps every few frames.
constexpr int32_t AnimationTicks = 3;

sprite::AnimateSprite* animated(sprite::SpriteBase* sprite)
{
    return sprite && sprite->isInstanceOf("AnimateSprite") ? static_cast<sprite::AnimateSprite*>(sprite)
                                                           : nullptr;
}

} // namespace

ShopAmbience::ShopAmbience(RoundAudio& roundAudio, util::Random& generator)
    : audio(roundAudio), random(generator)
{
}

void ShopAmbience::startRound(
    sprite::DialogSprite& dialog, int32_t number, int32_t timeLeft, window::Receiver* receiver)
{
    shop = &dialog;
    shopNumber = number;
    listener = receiver;
    chatterAt = timeLeft - 20 - random.nextInt(19);
    initAmbient(timeLeft);
}

void ShopAmbience::initAmbient(int32_t timeLeft)
{
    if (!shop)
        return;
    if (shopNumber == CloudShop) {
        sprite::SpriteBase* far = shop->getChild("CloudFar");
        sprite::SpriteBase* close = shop->getChild("CloudClose");
        if (far) {
            far->setLocation(-25, -6);
            far->moveTo(CloudRight, -6, FarCloudFrames);
            far->setListener(listener, "initAmbientAnim");
        }
        if (close) {
            close->setLocation(-300, 15);
            close->moveTo(CloudRight, 15, CloseCloudFrames);
        }
        for (sprite::SpriteBase* cloud : {far, close}) {
            if (sprite::AnimateSprite* sheet = animated(cloud))
                sheet->setAnimation(1, true);
        }
    }
    nextAnimationTime(timeLeft);
}

void ShopAmbience::nextAnimationTime(int32_t timeLeft)
{
    switch (shopNumber) {
    case 4:
        ambientAt = timeLeft - 25 - random.nextInt(24);
        break;
    case CloudShop:
        ambientAt = timeLeft - 20 - random.nextInt(19);
        break;
    case CuckooShop:
        ambientAt = timeLeft - 20 - random.nextInt(14);
        break;
    default:
        ambientAt = -1;
    }
}

void ShopAmbience::step(int32_t timeLeft)
{
    if (timeLeft <= chatterAt) {
        audio.playChatter();
        chatterAt = timeLeft - 33 - random.nextInt(18);
    }
    if (ambientAt >= 0 && timeLeft <= ambientAt) {
        animate();
        nextAnimationTime(timeLeft);
    }
}

void ShopAmbience::animate()
{
    if (sprite::AnimateSprite* animation = animated(shop->getChild("ambientAnim1"))) {
        animation->setVisible(true);
        animation->setRange(1, animation->getColumns() * animation->getRows() - 1);
        animation->setFrame(1);
        animation->setTicksPerStep(AnimationTicks);
        // The cuckoo calls two or three times; the others play once.
        animation->setLoops(shopNumber == CuckooShop ? 2 + random.nextInt(1) : 1);
        animation->setAnimation(1, true);
        animation->setListener(listener, "ambientAnimDone");
    }
    audio.play(audio.ambientEntry());
}

void ShopAmbience::rest(sprite::SpriteBase* sprite)
{
    if (sprite::AnimateSprite* animation = animated(sprite)) {
        animation->setAnimation(0, false);
        animation->setFrame(0);
    }
}
