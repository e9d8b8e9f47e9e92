#include "sprite/effects/Particle.h"

namespace sprite {

uint32_t colorBetween(uint32_t from, uint32_t to, int32_t part, int32_t whole)
{
    if (whole == 0)
        return from | 0xFF000000u;
    uint32_t result = 0xFF000000u;
    for (int shift = 0; shift <= 16; shift += 8) {
        const auto start = static_cast<int32_t>(from >> shift & 0xFF);
        const auto end = static_cast<int32_t>(to >> shift & 0xFF);
        const int32_t channel = start + (end - start) * part / whole;
        result |= static_cast<uint32_t>(channel & 0xFF) << shift;
    }
    return result;
}

void Particle::advance(const util::RectangleNM& area, bool fading)
{
    position.x += velocity.x;
    position.y += velocity.y;
    position.z += velocity.z;
    if (damping.x == 0.0f && damping.y == 0.0f && (flags & FlagDamp) != 0) {
        velocity.x *= DefaultDamping;
        velocity.y *= DefaultDamping;
        velocity.z = 0.0f;
    } else {
        velocity.x *= damping.x;
        velocity.y *= damping.y;
    }
    const float turn = static_cast<float>(step) * 0.1f;
    if ((flags & FlagSpinLeft) != 0) {
        velocity.x -= velocity.y * turn;
        velocity.y += velocity.x * turn;
    } else if ((flags & FlagSpinRight) != 0) {
        velocity.x += velocity.y * turn;
        velocity.y -= velocity.x * turn;
    }
    if ((flags & FlagAccelerate) != 0) {
        velocity.x += acceleration.x;
        velocity.y += acceleration.y;
        velocity.z += acceleration.z;
    }
    age += step;
    if (age > lifetime || !area.contains(static_cast<int32_t>(position.x), static_cast<int32_t>(position.y))) {
        alive = false;
        return;
    }
    if (fading)
        color = colorBetween(startColor, endColor, age, lifetime);
}

} // namespace sprite
