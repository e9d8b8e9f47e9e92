// One particle of a particle system: a plain record held by value in its system's array, and
// the rule that moves it one step.
#pragma once

#include "util/RectangleNM.h"

#include <cstdint>

namespace sprite {

struct ParticleVector {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

struct Particle {
    // Bits of `flags`.
    static constexpr int32_t FlagDamp = 1;        // velocity x 0.95 when both damping factors are 0
    static constexpr int32_t FlagSpinLeft = 2;    // counter-clockwise
    static constexpr int32_t FlagAccelerate = 4;
    static constexpr int32_t FlagSpinRight = 8;   // clockwise, unless FlagSpinLeft is set
    static constexpr float DefaultDamping = 0.95f;

    ParticleVector position;
    ParticleVector velocity;
    ParticleVector damping{DefaultDamping, DefaultDamping, 0.0f};
    ParticleVector acceleration;
    int32_t lifetime = 0;
    int32_t age = 0;
    int16_t step = 1;
    uint32_t color = 0xFF000000u;
    uint32_t startColor = 0xFF000000u;
    uint32_t endColor = 0xFF000000u;
    int32_t flags = 0;
    bool alive = false;

    // Moves, damps, spins and accelerates the particle by one step and ages it by `step`. It
    // dies when older than its lifetime or outside the area; while it lives a fading colour
    // (`fading` set) follows its age.
    void advance(const util::RectangleNM& area, bool fading);
};

// Each channel of the colour between `from` and `to` by the fraction part / whole, opaque.
uint32_t colorBetween(uint32_t from, uint32_t to, int32_t part, int32_t whole);

} // namespace sprite
