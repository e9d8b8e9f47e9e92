#include "game/ambient/SparkleSprite.h"

#include "util/Random.h"

#include <cmath>
#include <cstring>
#include <numbers>

namespace {

constexpr double FullCircle = 2.0 * std::numbers::pi;
constexpr int32_t FadeInFrames = 20;

int32_t randomBelow(int32_t n)
{
    return static_cast<int32_t>(util::Random::random() * n);
}

} // namespace

SparkleSprite::SparkleSpriteClass SparkleSprite::classObject("SparkleSprite");

SparkleSprite::SparkleSprite()
{
    setSourceRect(util::RectangleNM(0, 0, 1, 1));
}

void SparkleSprite::startSparkle(
    int32_t hold, int32_t atX, int32_t atY, int32_t count, double startRadius, double growth)
{
    radiusGrowth = growth;
    holdFrames = hold;
    angle = util::Random::random() * FullCircle;
    if (count >= 2) {
        radius = util::Random::random() * startRadius;
        angularSpeed = util::Random::random() - 0.5;
        waitFrames = randomBelow(count);
    } else {
        waitFrames = count;
        radius = startRadius;
        angularSpeed = growth;
    }
    centreX = atX;
    centreY = atY;
    placeOnOrbit();
    setFrame(randomBelow(columns * rows));
    setAnimation(angularSpeed > 0 ? 1 : -1, true);
    setColor(0, 128, 128, 128);
    // A sparkle that was already transparent keeps its old fade target: it must fade in too.
    fadeTarget = 0;
    fadeFrames = 0;
    setVisible(true);
}

void SparkleSprite::placeOnOrbit()
{
    const int32_t orbitX = centreX - getBoundsWidth() / 2 + static_cast<int32_t>(std::cos(angle) * radius);
    const int32_t orbitY = centreY - getBoundsHeight() / 2 + static_cast<int32_t>(std::sin(angle) * radius);
    setLocation(orbitX, orbitY);
}

void SparkleSprite::endWait()
{
    if (fadeTarget == 0) {
        waitFrames = holdFrames + randomBelow(20);
        fadeTo(OpaqueAlpha, FadeInFrames, false);
    } else {
        fadeTo(0, 10 + randomBelow(10), false);
    }
}

void SparkleSprite::circle()
{
    radius += radiusGrowth;
    angle += angularSpeed;
    if (angle < 0 && angularSpeed < 0)
        angle += FullCircle;
    if (angle > FullCircle && angularSpeed > 0)
        angle -= FullCircle;
    placeOnOrbit();
}

bool SparkleSprite::update(int32_t frameNo, util::RectangleNM& outBounds, util::Region& dirtyRegion)
{
    if (visible) {
        if (waitFrames > 0 && --waitFrames == 0)
            endWait();
        if (getAlpha() == 0 && waitFrames <= 0)
            setVisible(false);
        if (fadeTarget != 0 || waitFrames == 0)
            circle();
    }
    return AnimateSprite::update(frameNo, outBounds, dirtyRegion);
}

sprite::SpriteBase* SparkleSprite::duplicate()
{
    auto* copy = new SparkleSprite;
    copyAnimateStateTo(*copy);
    copy->centreX = centreX;
    copy->centreY = centreY;
    return copy;
}

bool SparkleSprite::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "SparkleSprite") == 0 || AnimateSprite::isInstanceOf(className);
}
