// Radial particle bursts: 30 rays around the reference point, each a lead particle and followers
// that are copies of it, slower and with lifetimes of their own. Every particle is drawn as an
// 8 x 8 star patch that twinkles (a shimmer table shifts its brightness) and fades over the last
// 64 units of its life. The pattern lays the burst out; the variant chooses the colour (and for
// pattern 1 the size).
#pragma once

#include "sprite/ParticleSpritePSX.h"

namespace sprite {

class RadialSpritePSX : public ParticleSpritePSX {
public:
    static constexpr int32_t Rays = 30;
    static constexpr int32_t ShimmerSize = 53;
    static constexpr int32_t BrushSize = 8;

    RadialSpritePSX(int32_t pattern, int32_t variant);

    void emitAll() override;
    void drawParticles(window::GraphicsParticle* renderer) override;
    SpriteBase* duplicate() override;

    // Lays a new burst of the pattern and variant out and starts it.
    void restart(int32_t newPattern, int32_t newVariant);
    int32_t getPattern() const { return pattern; }
    int32_t getVariant() const { return variant; }

    // Seeds the generator that every radial system draws its speeds and twinkles from, for
    // repeatable bursts.
    static void seedGenerator(uint32_t seed);
    static int32_t particleCountOf(int32_t pattern, int32_t variant);
    static uint32_t colorOf(int32_t variant);
    // The star brush: brightest along its middle row and column; dx and dy from -4 to 3.
    static int32_t brush(int32_t dx, int32_t dy);

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "RadialSpritePSX"; }

private:
    // The followers of a ray: their lifetime and the share of the lead's speed they keep.
    struct Follower {
        int32_t lifetime;
        float speedFactor;
    };

    // A lead particle at the reference point with the colour of the burst.
    Particle leadParticle(float vx, float vy, int32_t life, int16_t step, int32_t flags) const;
    // Places the ray's lead and its followers from the index on; returns the next index.
    size_t layRay(size_t index, const Particle& lead, const Follower* followers, size_t followerCount);
    void layOwnPattern();
    // Refills the shimmer table and the brush that every radial system shares.
    static void fillSharedTables();

    int32_t pattern = 0;
    int32_t variant = 0;
};

} // namespace sprite
