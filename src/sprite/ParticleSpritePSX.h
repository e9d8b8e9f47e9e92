// A particle system: an array of particles that start at the sprite's reference point, move one
// step per frame and die when they grow old or leave the system's rectangle. The system hides
// itself when the last one dies. It draws through the particle renderer of the target it paints
// on. Subclasses lay particles out (emitAll, emit) and choose how each is drawn
// (drawParticles). Table numbers: left, top, width, height.
#pragma once

#include "lang/Class.h"
#include "sprite/BoundsSprite.h"
#include "sprite/effects/Particle.h"
#include "window/raster/GraphicsParticle.h"

#include <vector>

namespace sprite {

class ParticleSpritePSX : public BoundsSprite {
public:
    struct ParticleSpritePSXClass : lang::ClassOf<ParticleSpritePSX> {
        using ClassOf::ClassOf;
    };
    static ParticleSpritePSXClass classObject;

    // Colour modes.
    static constexpr int32_t ColorFixed = 1;         // colorA
    static constexpr int32_t ColorRandom = 2;        // any colour
    static constexpr int32_t ColorBetween = 3;       // each channel between colorA's and colorB's
    static constexpr int32_t ColorFade = 4;          // from colorA to colorB over the life
    static constexpr int32_t DefaultCount = 100;

    ParticleSpritePSX();
    // A system of `count` particles over the whole 800 x 600 screen.
    explicit ParticleSpritePSX(int32_t count);

    void paint(window::Graphics* graphics) override;
    bool update(int32_t frameNo, util::RectangleNM& outBounds, util::Region& dirtyRegion) override;
    // Only while running with particles alive.
    bool isDrawable() const override;
    bool isBusy() const override;
    SpriteBase* duplicate() override;

    // --- virtual after those of SpriteBase
    // Emits every particle.
    virtual void emitAll();
    // A particle at the reference point, at rest, with a lifetime and a colour by the mode.
    virtual void emit(Particle& particle);
    // Hands every living particle in its colour to the renderer.
    virtual void drawParticles(window::GraphicsParticle* renderer);

    // A new array of n particles when n differs from the count.
    void setCount(int32_t n);
    int32_t getCount() const { return static_cast<int32_t>(particles.size()); }
    void setColors(int32_t mode, uint32_t a, uint32_t b);
    // Damping given to new particles.
    void setDamping(float x, float y);
    // A fixed lifetime also ends the whole system after that many steps; 0 for none.
    void setLifetime(int32_t steps) { lifetime = steps; }
    // Lifetimes of base + a random part below range (used when range is 1 or more).
    void setRandomLifetime(int32_t base, int32_t range);
    // Emits every particle, shows the system and runs it from its first step.
    void start();
    void stop();
    bool isRunning() const { return running; }
    bool isAnyAlive() const { return anyAlive; }
    bool wasStopped() const { return stopped; }
    int32_t getStepsDone() const { return stepsDone; }
    const Particle& particleAt(int32_t index) const { return particles[static_cast<size_t>(index)]; }
    Particle& particleAt(int32_t index) { return particles[static_cast<size_t>(index)]; }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "ParticleSpritePSX"; }

protected:
    void copyParticleStateTo(ParticleSpritePSX& other) const;
    // One step of every living particle; false when the system has ended.
    bool stepAll();

    std::vector<Particle> particles;
    float dampingX = Particle::DefaultDamping;
    float dampingY = Particle::DefaultDamping;
    uint32_t colorA = 0xFFFFFFFFu;
    uint32_t colorB = 0xFFFFFFFFu;
    int32_t lifetime = 0;
    int32_t lifetimeBase = 20;
    int32_t lifetimeRange = 20;
    int32_t colorMode = ColorFixed;
    int32_t stepsDone = 0;
    bool running = false;
    bool anyAlive = false;
    bool stopped = false;
    lang::Ref<window::GraphicsParticle> renderer;
};

} // namespace sprite
