#include "game/campaign/PictureSparkle.h"

#include "game/ambient/SparkleSprite.h"
#include "sprite/ImageSprite.h"
#include "util/Random.h"

#include <algorithm>

namespace {

int32_t randomBelow(int32_t n)
{
    return static_cast<int32_t>(util::Random::random() * n);
}

// A point of the picture (in its parent's coordinates) that shows, or its middle.
void pickPoint(sprite::ImageSprite& picture, int32_t& x, int32_t& y)
{
    const util::RectangleNM bounds = picture.getBounds();
    for (int32_t i = 0; i < PictureSparkle::PlaceTries; ++i) {
        x = bounds.x + randomBelow(std::max(1, bounds.width));
        y = bounds.y + randomBelow(std::max(1, bounds.height));
        if (picture.hitTestPixel(x, y, sprite::SpriteBase::OpaqueAlpha))
            return;
    }
    x = bounds.x + bounds.width / 2;
    y = bounds.y + bounds.height / 2;
}

bool hasGoneOut(const SparkleSprite& copy)
{
    return !copy.isVisible()
        || (copy.getAlpha() == 0 && copy.getFadeFrames() == 0 && copy.getWaitFrames() <= 0);
}

} // namespace

PictureSparkle::~PictureSparkle()
{
    stop();
}

void PictureSparkle::start(sprite::DialogSprite& dialog, sprite::SpriteBase& model,
    sprite::ImageSprite& picture, window::Receiver* listener, const lang::String& action)
{
    stop();
    if (!model.isInstanceOf("SparkleSprite"))
        return;
    owner = lang::retain(&dialog);
    for (int32_t i = 0; i < Copies; ++i) {
        lang::Ref<SparkleSprite> copy = lang::adopt(static_cast<SparkleSprite*>(model.duplicate()));
        copy->loadImages();
        copy->setListener(listener, action);
        int32_t x = 0;
        int32_t y = 0;
        pickPoint(picture, x, y);
        // The first copy shows at once, so that the listener always hears the sparkle end.
        const int32_t count = i == 0 ? 1 : WaitSpread;
        copy->startSparkle(HoldFrames + randomBelow(HoldSpread + 1), x, y, count, 0.0, 0.0);
        dialog.insertAfter(copy.get(), &model);
        copies.push_back(copy);
    }
}

bool PictureSparkle::endIfDone()
{
    if (!std::all_of(
            copies.begin(), copies.end(), [](const lang::Ref<SparkleSprite>& c) { return hasGoneOut(*c); }))
        return false;
    stop();
    return true;
}

void PictureSparkle::stop()
{
    for (const lang::Ref<SparkleSprite>& copy : copies) {
        copy->setListener(nullptr, nullptr);
        if (owner)
            owner->remove(copy.get());
    }
    copies.clear();
    owner.reset();
}
