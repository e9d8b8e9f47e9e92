#include "sprite/ParticleSpritePSX.h"

#include "lang/Debug.h"
#include "lang/SyncGuard.h"
#include "util/Random.h"
#include "window/raster/Graphics.h"

#include <algorithm>
#include <cstring>

namespace sprite {

ParticleSpritePSX::ParticleSpritePSXClass ParticleSpritePSX::classObject("ParticleSpritePSX");

namespace {

constexpr int32_t ScreenWidth = 800;
constexpr int32_t ScreenHeight = 600;

uint32_t randomChannel(int32_t low, int32_t high)
{
    return static_cast<uint32_t>(low + static_cast<int32_t>(util::Random::random() * (high - low)));
}

} // namespace

ParticleSpritePSX::ParticleSpritePSX() : ParticleSpritePSX(DefaultCount) {}

ParticleSpritePSX::ParticleSpritePSX(int32_t count) : BoundsSprite(0, 0, ScreenWidth, ScreenHeight)
{
    setCount(count);
}

SpriteBase* ParticleSpritePSX::duplicate()
{
    auto* copy = new ParticleSpritePSX(0);
    copyParticleStateTo(*copy);
    return copy;
}

void ParticleSpritePSX::copyParticleStateTo(ParticleSpritePSX& other) const
{
    SyncGuard guard(this);
    copyBoundsStateTo(other);
    other.particles = particles;
    other.dampingX = dampingX;
    other.dampingY = dampingY;
    other.colorA = colorA;
    other.colorB = colorB;
    other.lifetime = lifetime;
    other.lifetimeBase = lifetimeBase;
    other.lifetimeRange = lifetimeRange;
    other.colorMode = colorMode;
    other.stepsDone = stepsDone;
    other.running = running;
    other.anyAlive = anyAlive;
    other.stopped = stopped;
}

// --- set-up

void ParticleSpritePSX::setCount(int32_t n)
{
    SyncGuard guard(this);
    if (n == getCount())
        return;
    particles.clear();
    if (n > 0)
        particles.assign(static_cast<size_t>(n), Particle{});
}

void ParticleSpritePSX::setColors(int32_t mode, uint32_t a, uint32_t b)
{
    colorMode = mode;
    colorA = a;
    colorB = b;
}

void ParticleSpritePSX::setDamping(float x, float y)
{
    dampingX = x;
    dampingY = y;
}

void ParticleSpritePSX::setRandomLifetime(int32_t base, int32_t range)
{
    lifetimeBase = base;
    lifetimeRange = range;
}

void ParticleSpritePSX::start()
{
    SyncGuard guard(this);
    lang::debugOutput("particle system reset\n");
    emitAll();
    running = true;
    anyAlive = true;
    stopped = false;
    setVisible(true);
    stepsDone = 0;
    markDirty();
}

void ParticleSpritePSX::stop()
{
    SyncGuard guard(this);
    lang::debugOutput("particle system stopped\n");
    running = false;
    stopped = true;
}

// --- emitting

void ParticleSpritePSX::emitAll()
{
    for (Particle& particle : particles)
        emit(particle);
}

void ParticleSpritePSX::emit(Particle& particle)
{
    particle.position = {static_cast<float>(x), static_cast<float>(y), 0.0f};
    particle.velocity = {};
    particle.damping = {dampingX, dampingY, 0.0f};
    particle.lifetime = lifetimeRange >= 1
        ? lifetimeBase + static_cast<int32_t>(util::Random::random() * lifetimeRange)
        : lifetime;
    particle.age = 0;
    switch (colorMode) {
    case ColorFixed:
        particle.color = colorA;
        break;
    case ColorRandom:
        particle.color = 0xFF000000u | randomChannel(0, 256) << 16 | randomChannel(0, 256) << 8 | randomChannel(0, 256);
        break;
    case ColorBetween: {
        uint32_t color = 0xFF000000u;
        for (int shift = 0; shift <= 16; shift += 8) {
            const auto a = static_cast<int32_t>(colorA >> shift & 0xFF);
            const auto b = static_cast<int32_t>(colorB >> shift & 0xFF);
            color |= randomChannel(std::min(a, b), std::max(a, b)) << shift;
        }
        particle.color = color;
        break;
    }
    case ColorFade:
        particle.color = colorA;
        particle.startColor = colorA;
        particle.endColor = colorB;
        break;
    default:
        break;
    }
    particle.alive = true;
}

// --- running

bool ParticleSpritePSX::stepAll()
{
    if (!running)
        return false;
    if (lifetime > 0 && ++stepsDone > lifetime)
        return false;
    anyAlive = false;
    const util::RectangleNM area(x - width / 2, y - height / 2, width, height);
    const bool fading = colorMode == ColorFade;
    for (Particle& particle : particles) {
        if (!particle.alive)
            continue;
        particle.advance(area, fading);
        anyAlive = anyAlive || particle.alive;
    }
    if (!anyAlive) {
        lang::debugOutput("Particle system ended\n");
        return false;
    }
    return true;
}

bool ParticleSpritePSX::update(int32_t frameNo, util::RectangleNM& outBounds, util::Region& dirtyRegion)
{
    bool moved = false;
    if (running) {
        SyncGuard guard(this);
        moved = true;
        if (!stepAll()) {
            setVisible(false);
            stop();
        }
    }
    const bool changed = BoundsSprite::update(frameNo, outBounds, dirtyRegion);
    return changed || moved;
}

bool ParticleSpritePSX::isDrawable() const
{
    return visible && running && anyAlive;
}

bool ParticleSpritePSX::isBusy() const
{
    return running || BoundsSprite::isBusy();
}

// --- drawing

void ParticleSpritePSX::paint(window::Graphics* graphics)
{
    SyncGuard guard(this);
    if (!renderer)
        renderer = lang::adopt(graphics->createParticleSystem());
    if (!renderer || !renderer->init(getCount()))
        return;
    drawParticles(renderer.get());
    renderer->draw(graphics);
}

void ParticleSpritePSX::drawParticles(window::GraphicsParticle* target)
{
    for (const Particle& particle : particles) {
        if (particle.alive)
            target->addPoint(particle.position.x, particle.position.y, particle.position.z, particle.color);
    }
}

bool ParticleSpritePSX::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "ParticleSpritePSX") == 0 || BoundsSprite::isInstanceOf(className);
}

} // namespace sprite
