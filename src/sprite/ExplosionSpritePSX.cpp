#include "sprite/ExplosionSpritePSX.h"

#include "util/Random.h"

#include <cmath>
#include <cstring>

namespace sprite {

ExplosionSpritePSX::ExplosionSpritePSXClass ExplosionSpritePSX::classObject("ExplosionSpritePSX");

namespace {

constexpr uint32_t HotColor = 0xFFFFF0A0u;
constexpr uint32_t CoolColor = 0xFFF04010u;

float randomUnit()
{
    return static_cast<float>(util::Random::random() * 2.0 - 1.0);
}

} // namespace

ExplosionSpritePSX::ExplosionSpritePSX() : ExplosionSpritePSX(DefaultCount, ModeRandomSpin) {}

ExplosionSpritePSX::ExplosionSpritePSX(int32_t count, int32_t mode) : ParticleSpritePSX(count), mode(mode)
{
    setColors(ColorFade, HotColor, CoolColor);
}

SpriteBase* ExplosionSpritePSX::duplicate()
{
    auto* copy = new ExplosionSpritePSX(0, mode);
    copyParticleStateTo(*copy);
    return copy;
}

void ExplosionSpritePSX::emit(Particle& particle)
{
    ParticleSpritePSX::emit(particle);
    const int32_t count = getCount();
    particle.acceleration = {0.0f, static_cast<float>(count / 50) * 0.1f, 0.0f};
    particle.step = count < 50 ? 2 : 1;
    if (mode == ModeRandomSpin)
        particle.flags = util::Random::random() < 0.5 ? Particle::FlagSpinRight : Particle::FlagSpinLeft;
    else
        particle.flags = mode;
    // A random point of the cube around the origin gives the direction.
    ParticleVector direction{randomUnit(), randomUnit(), randomUnit()};
    float length = std::sqrt(direction.x * direction.x + direction.y * direction.y + direction.z * direction.z);
    if (length == 0.0f) {
        direction = {1.0f, 0.0f, 0.0f};
        length = 1.0f;
    }
    const auto speed = static_cast<float>(util::Random::random() * 2.0 + 3.0);
    particle.velocity = {direction.x / length * speed, direction.y / length * speed, direction.z / length * speed};
    particle.damping = {dampingX, dampingY, 0.0f};
}

bool ExplosionSpritePSX::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "ExplosionSpritePSX") == 0 || ParticleSpritePSX::isInstanceOf(className);
}

} // namespace sprite
