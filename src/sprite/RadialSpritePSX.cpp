#include "sprite/RadialSpritePSX.h"

#include "lang/SyncGuard.h"
#include "util/Random.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <mutex>

namespace sprite {

namespace {

constexpr double RayAngle = 2.0 * 3.14159265358979323846 / RadialSpritePSX::Rays;

// The generator of every radial system and the tables they share, refilled by each new system.
std::mutex tablesMutex;
int32_t shimmer[RadialSpritePSX::ShimmerSize];
int32_t brushTable[RadialSpritePSX::BrushSize][RadialSpritePSX::BrushSize];

util::Random& generator()
{
    static util::Random random;
    return random;
}

int32_t nextInt(int32_t n)
{
    return generator().nextInt(n);
}

} // namespace

RadialSpritePSX::RadialSpritePSX(int32_t pattern, int32_t variant)
    : ParticleSpritePSX(particleCountOf(pattern, variant)), pattern(pattern), variant(variant)
{
    fillSharedTables();
    const uint32_t color = colorOf(variant);
    setColors(ColorFixed, color, color);
}

SpriteBase* RadialSpritePSX::duplicate()
{
    auto* copy = new RadialSpritePSX(pattern, variant);
    copyParticleStateTo(*copy);
    return copy;
}

void RadialSpritePSX::seedGenerator(uint32_t seed)
{
    generator().setSeed(seed);
}

int32_t RadialSpritePSX::particleCountOf(int32_t pattern, int32_t variant)
{
    switch (pattern) {
    case 1: return variant == 5 ? 120 : 180;
    case 2:
    case 3:
    case 4: return 180;
    case 5:
    case 6: return 90;
    case 7: return 150;
    case 8: return 60;
    default: return 0;
    }
}

uint32_t RadialSpritePSX::colorOf(int32_t variant)
{
    switch (variant) {
    case 0: return 0xFF0000F0u;
    case 1: return 0xFFF00000u;
    case 2: return 0xFF00F000u;
    case 4:
    case 5: return 0xFFF0F000u;
    default: return 0xFFF0F0F0u;
    }
}

int32_t RadialSpritePSX::brush(int32_t dx, int32_t dy)
{
    const int32_t across = 4 - std::abs(dx);
    const int32_t down = 4 - std::abs(dy);
    return std::min(255, down * down * 255 / 16 + across * across * 255 / 16);
}

void RadialSpritePSX::fillSharedTables()
{
    std::lock_guard<std::mutex> guard(tablesMutex);
    for (int32_t& entry : shimmer)
        entry = nextInt(2);
    for (int32_t dy = -4; dy < 4; ++dy)
        for (int32_t dx = -4; dx < 4; ++dx)
            brushTable[dy + 4][dx + 4] = brush(dx, dy);
}

void RadialSpritePSX::restart(int32_t newPattern, int32_t newVariant)
{
    SyncGuard guard(this);
    setCount(particleCountOf(newPattern, newVariant));
    const uint32_t color = colorOf(newVariant);
    setColors(ColorFixed, color, color);
    pattern = newPattern;
    variant = newVariant;
    start();
}

// --- laying bursts out

Particle RadialSpritePSX::leadParticle(float vx, float vy, int32_t life, int16_t step, int32_t flags) const
{
    Particle lead;
    lead.position = {static_cast<float>(x), static_cast<float>(y), 0.0f};
    lead.velocity = {vx, vy, 0.0f};
    lead.damping = {0.0f, 0.0f, 0.0f};
    lead.lifetime = life;
    lead.step = step;
    lead.flags = flags;
    lead.color = colorA;
    lead.alive = true;
    return lead;
}

size_t RadialSpritePSX::layRay(size_t index, const Particle& lead, const Follower* followers, size_t followerCount)
{
    if (index < particles.size())
        particles[index++] = lead;
    for (size_t i = 0; i < followerCount && index < particles.size(); ++i) {
        Particle& follower = particles[index++];
        follower = lead;
        follower.lifetime = followers[i].lifetime;
        follower.velocity.x *= followers[i].speedFactor;
        follower.velocity.y *= followers[i].speedFactor;
    }
    return index;
}

void RadialSpritePSX::emitAll()
{
    static const Follower widening[] = {{45, 18 / 20.0f}, {40, 17 / 20.0f}, {35, 15 / 20.0f}, {30, 13 / 20.0f}, {25, 11 / 20.0f}};
    static const Follower falling[] = {{80, 18 / 20.0f}, {70, 17 / 20.0f}, {60, 15 / 20.0f}, {50, 13 / 20.0f}, {40, 11 / 20.0f}};
    static const Follower star[] = {{50, 18 / 20.0f}};
    size_t index = 0;
    switch (pattern) {
    case 2: {
        const auto speed = static_cast<float>(nextInt(2) + 11);
        for (int32_t ray = 0; ray < Rays; ++ray) {
            const double angle = ray * RayAngle;
            Particle lead = leadParticle(static_cast<float>(std::cos(angle)) * speed,
                static_cast<float>(std::sin(angle)) * speed, 60, 2, Particle::FlagDamp);
            // This burst keeps the damping its particles hold.
            if (index < particles.size())
                lead.damping = particles[index].damping;
            index = layRay(index, lead, widening, std::size(widening));
        }
        break;
    }
    case 3:
        for (int32_t ray = 0; ray < Rays; ++ray) {
            const double angle = ray * RayAngle;
            const auto speed = static_cast<float>(nextInt(4) + 11);
            Particle lead = leadParticle(static_cast<float>(std::cos(angle)) * speed,
                static_cast<float>(std::sin(angle)) * speed - 2.0f, 30, 3, Particle::FlagDamp | Particle::FlagAccelerate);
            lead.acceleration = {0.0f, 0.6f, 0.0f};
            index = layRay(index, lead, falling, std::size(falling));
        }
        break;
    case 8: {
        const auto speed = static_cast<float>(nextInt(2) + 3);
        for (int32_t ray = 0; ray < Rays; ++ray) {
            const double angle = ray * RayAngle;
            const Particle lead = leadParticle(static_cast<float>(std::cos(angle)) * speed,
                static_cast<float>(std::sin(angle)) * speed, 25, 2, Particle::FlagDamp);
            index = layRay(index, lead, star, std::size(star));
        }
        break;
    }
    default:
        layOwnPattern();
        break;
    }
}

// Patterns that no part of the game starts: 1 rings of evenly slower particles (variant 5 a
// smaller, thinner one), 4 a spiral turning left, 5 a slow halo, 6 a fountain (a fan of 120
// degrees upward, falling back), 7 a swirl turning right.
void RadialSpritePSX::layOwnPattern()
{
    struct Layout {
        float speed;
        int32_t speedRange; // a random part added per ray (nextInt)
        int32_t lifetime;
        int16_t step;
        int32_t flags;
        float fall;
        bool upwardFan;
        const Follower* followers;
        size_t followerCount;
    };
    static const Follower rings[] = {{36, 0.8f}, {32, 0.6f}, {28, 0.4f}, {24, 0.2f}, {20, 0.1f}};
    static const Follower spiral[] = {{45, 0.85f}, {40, 0.7f}, {35, 0.55f}, {30, 0.4f}, {25, 0.25f}};
    static const Follower halo[] = {{60, 0.75f}, {50, 0.5f}};
    static const Follower fountain[] = {{45, 0.85f}, {40, 0.7f}};
    static const Follower swirl[] = {{40, 0.85f}, {35, 0.7f}, {30, 0.55f}, {25, 0.4f}};
    static const Layout smallRing{5.0f, 0, 40, 2, Particle::FlagDamp, 0.0f, false, rings, 3};
    static const Layout layouts[] = {
        {8.0f, 0, 40, 2, Particle::FlagDamp, 0.0f, false, rings, std::size(rings)},
        {6.0f, 0, 50, 1, Particle::FlagDamp | Particle::FlagSpinLeft, 0.0f, false, spiral, std::size(spiral)},
        {3.0f, 0, 70, 1, Particle::FlagDamp, 0.0f, false, halo, std::size(halo)},
        {7.0f, 3, 50, 1, Particle::FlagDamp | Particle::FlagAccelerate, 0.35f, true, fountain, std::size(fountain)},
        {7.0f, 0, 45, 1, Particle::FlagDamp | Particle::FlagSpinRight, 0.0f, false, swirl, std::size(swirl)},
    };
    static const int32_t layoutOfPattern[] = {-1, 0, -1, -1, 1, 2, 3, 4};
    if (pattern < 1 || pattern > 7 || layoutOfPattern[pattern] < 0)
        return;
    const Layout& layout = pattern == 1 && variant == 5 ? smallRing : layouts[layoutOfPattern[pattern]];
    const double pi = 3.14159265358979323846;
    size_t index = 0;
    for (int32_t ray = 0; ray < Rays; ++ray) {
        const double angle = layout.upwardFan ? -pi / 2 + (ray - (Rays - 1) / 2.0) * (2.0 * pi / 3) / Rays : ray * RayAngle;
        const float speed = layout.speed + static_cast<float>(layout.speedRange > 0 ? nextInt(layout.speedRange) : 0);
        Particle lead = leadParticle(static_cast<float>(std::cos(angle)) * speed,
            static_cast<float>(std::sin(angle)) * speed, layout.lifetime, layout.step, layout.flags);
        lead.acceleration = {0.0f, layout.fall, 0.0f};
        index = layRay(index, lead, layout.followers, layout.followerCount);
    }
}

// --- drawing

void RadialSpritePSX::drawParticles(window::GraphicsParticle* renderer)
{
    int32_t j = nextInt(52);
    SyncGuard guard(this);
    std::lock_guard<std::mutex> tables(tablesMutex);
    const auto left = static_cast<float>(x - width / 2);
    const auto top = static_cast<float>(y - height / 2);
    const float right = left + static_cast<float>(width);
    const float bottom = top + static_cast<float>(height);
    for (const Particle& particle : particles) {
        const float px = particle.position.x;
        const float py = particle.position.y;
        if (!particle.alive || px < left + 4 || py < top + 4 || px > right - 4 || py > bottom - 4)
            continue;
        const int32_t remaining = particle.lifetime - particle.age;
        const uint32_t rgb = particle.color & 0x00FFFFFFu;
        for (int32_t dy = -4; dy < 4; ++dy) {
            if (j + 8 > ShimmerSize - 1)
                j = (j + 8) % ShimmerSize;
            for (int32_t dx = -4; dx < 4; ++dx) {
                int32_t v = brushTable[dy + 4][dx + 4] >> shimmer[j++];
                if (remaining < 64)
                    v = v * remaining / 64;
                if (v <= 0)
                    continue;
                const uint32_t alpha = v >= 255 ? 255u : static_cast<uint32_t>(v);
                renderer->addPoint(px + static_cast<float>(dx), py + static_cast<float>(dy), 0.0f, alpha << 24 | rgb);
            }
        }
    }
}

bool RadialSpritePSX::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "RadialSpritePSX") == 0 || ParticleSpritePSX::isInstanceOf(className);
}

} // namespace sprite
