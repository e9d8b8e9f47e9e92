// A twinkle: it waits, fades in, holds while its sheet animates, fades out and hides itself,
// optionally circling a centre point. The shop's hint pointer is one ("Twinkles"); the upgrade
// screen scatters copies of it. Each finished fade is told to the listener (the fade-in once,
// the fade-out once). Table entry as an animated sprite: picture; x, y, columns, rows, [...].
#pragma once

#include "lang/Class.h"
#include "sprite/AnimateSprite.h"

class SparkleSprite : public sprite::AnimateSprite {
public:
    struct SparkleSpriteClass : lang::ClassOf<SparkleSprite> {
        using ClassOf::ClassOf;
    };
    static SparkleSpriteClass classObject;

    static constexpr int32_t DefaultHoldFrames = 100;

    SparkleSprite();

    // Starts the sparkle centred on (centreX, centreY). With count 1 it fades in at the next
    // update and circles at `radiusGrowth` radians a frame; with count 2 or more it first waits
    // a random 0 to count - 1 frames and circles at a random speed within a random part of
    // `radius`. The visible phase lasts `holdFrames` and up to 19 frames more.
    void startSparkle(int32_t holdFrames, int32_t centreX, int32_t centreY, int32_t count, double radius,
        double radiusGrowth);

    bool update(int32_t frameNo, util::RectangleNM& outBounds, util::Region& dirtyRegion) override;
    SpriteBase* duplicate() override;

    int32_t getWaitFrames() const { return waitFrames; }
    int32_t getCentreX() const { return centreX; }
    int32_t getCentreY() const { return centreY; }
    double getAngularSpeed() const { return angularSpeed; }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "SparkleSprite"; }

private:
    // Puts the picture's centre on the orbit point of the current angle and radius.
    void placeOnOrbit();
    // The end of a wait: the fade-in after the first wait, the fade-out after the hold.
    void endWait();
    void circle();

    int32_t holdFrames = DefaultHoldFrames;
    int32_t centreX = 1;
    int32_t centreY = 1;
    int32_t waitFrames = 0;
    double angle = 0.0;
    double radius = 0.0;
    double radiusGrowth = 0.0;
    double angularSpeed = 0.0;
};
