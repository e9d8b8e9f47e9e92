// Particle systems: one particle's step (damping, spin, acceleration, ageing, leaving the
// rectangle), the colour modes, explosions, the end of a system, and the software particle
// renderer that draws them.
#include "sprite/ExplosionSpritePSX.h"
#include "sprite/FaderSprite.h"
#include "sprite/ParticleSpritePSX.h"
#include "sprite/TransitionSprite.h"

#include "lang/Class.h"
#include "util/CRand.h"
#include "util/Random.h"
#include "util/Region.h"
#include "window/raster/detail/ParticleRenderer.h"
#include "window/raster/Graphics.h"
#include "window/raster/ImageGraphics.h"
#include "window/raster/PixelImage.h"

#include <gtest/gtest.h>

#include <cmath>

using lang::adopt;
using lang::Ref;
using sprite::ExplosionSpritePSX;
using sprite::Particle;
using sprite::ParticleSpritePSX;

namespace {

// The calling thread's generator, as the systems draw from it, restarted at a fixed seed.
void seedRandom(uint32_t seed)
{
    util::Random::random();
    util::crtSrand(seed);
}

bool step(sprite::SpriteBase& sprite, int32_t frame)
{
    util::RectangleNM bounds;
    util::Region dirty;
    return sprite.update(frame, bounds, dirty);
}

Particle movingParticle(float vx, float vy, int32_t flags)
{
    Particle particle;
    particle.position = {50.0f, 50.0f, 0.0f};
    particle.velocity = {vx, vy, 0.0f};
    particle.damping = {1.0f, 1.0f, 0.0f};
    particle.lifetime = 100;
    particle.flags = flags;
    particle.alive = true;
    return particle;
}

const util::RectangleNM Area(0, 0, 100, 100);

} // namespace

TEST(ParticleStep, MovesThenDampsThenSpinsThenAccelerates)
{
    Particle left = movingParticle(1.0f, 0.0f, Particle::FlagSpinLeft);
    left.advance(Area, false);
    EXPECT_FLOAT_EQ(left.position.x, 51.0f);
    EXPECT_FLOAT_EQ(left.velocity.x, 1.0f);
    EXPECT_FLOAT_EQ(left.velocity.y, 0.1f);
    Particle right = movingParticle(1.0f, 0.0f, Particle::FlagSpinRight);
    right.step = 2;
    right.advance(Area, false);
    EXPECT_FLOAT_EQ(right.velocity.y, -0.2f);
    EXPECT_EQ(right.age, 2);
    // Left wins over right; the new x speed feeds the y speed.
    Particle both = movingParticle(1.0f, 1.0f, Particle::FlagSpinLeft | Particle::FlagSpinRight);
    both.advance(Area, false);
    EXPECT_FLOAT_EQ(both.velocity.x, 0.9f);
    EXPECT_FLOAT_EQ(both.velocity.y, 1.09f);
    Particle falling = movingParticle(0.0f, 0.0f, Particle::FlagAccelerate);
    falling.acceleration = {0.0f, 0.5f, 0.0f};
    falling.advance(Area, false);
    falling.advance(Area, false);
    EXPECT_FLOAT_EQ(falling.position.y, 50.5f);
    EXPECT_FLOAT_EQ(falling.velocity.y, 1.0f);
}

TEST(ParticleStep, ZeroDampingWithTheDampFlagShrinksBy95Percent)
{
    Particle damped = movingParticle(10.0f, -4.0f, Particle::FlagDamp);
    damped.damping = {0.0f, 0.0f, 0.0f};
    damped.velocity.z = 3.0f;
    damped.advance(Area, false);
    EXPECT_FLOAT_EQ(damped.velocity.x, 9.5f);
    EXPECT_FLOAT_EQ(damped.velocity.y, -3.8f);
    EXPECT_FLOAT_EQ(damped.velocity.z, 0.0f);
    EXPECT_FLOAT_EQ(damped.position.z, 3.0f);
    // Without the flag zero damping stops the particle.
    Particle stopped = movingParticle(10.0f, -4.0f, 0);
    stopped.damping = {0.0f, 0.0f, 0.0f};
    stopped.advance(Area, false);
    EXPECT_FLOAT_EQ(stopped.velocity.x, 0.0f);
    // Damping of its own is used whatever the flag says.
    Particle own = movingParticle(10.0f, 10.0f, Particle::FlagDamp);
    own.damping = {0.5f, 0.25f, 0.0f};
    own.advance(Area, false);
    EXPECT_FLOAT_EQ(own.velocity.x, 5.0f);
    EXPECT_FLOAT_EQ(own.velocity.y, 2.5f);
}

TEST(ParticleStep, LeavingTheRectangleOrOutlivingKills)
{
    Particle edge = movingParticle(5.0f, 0.0f, 0);
    edge.position.x = 98.0f;
    edge.advance(Area, false);
    EXPECT_FALSE(edge.alive);
    // Positions are truncated: just left of 0 still counts as column 0.
    Particle nearZero = movingParticle(-0.9f, 0.0f, 0);
    nearZero.position.x = 0.5f;
    nearZero.advance(Area, false);
    EXPECT_TRUE(nearZero.alive);
    nearZero.advance(Area, false);
    EXPECT_FALSE(nearZero.alive);
    Particle old = movingParticle(0.0f, 0.0f, 0);
    old.lifetime = 4;
    old.step = 2;
    old.advance(Area, false);
    old.advance(Area, false);
    EXPECT_TRUE(old.alive);
    old.advance(Area, false);
    EXPECT_FALSE(old.alive);
}

TEST(ParticleColours, FadingParticleAtHalfLifeHasTheMidColour)
{
    Particle fading = movingParticle(0.0f, 0.0f, 0);
    fading.lifetime = 10;
    fading.startColor = 0xFF204060u;
    fading.endColor = 0xFF80C0E0u;
    for (int32_t i = 0; i < 5; ++i)
        fading.advance(Area, true);
    EXPECT_EQ(fading.color, 0xFF5080A0u);
    EXPECT_EQ(sprite::colorBetween(0xFFFF0000u, 0xFF000000u, 1, 3), 0xFFAA0000u);
}

TEST(ParticleColours, ModesOfEmittedParticles)
{
    seedRandom(7);
    Ref<ParticleSpritePSX> system = adopt(new ParticleSpritePSX(50));
    system->setColors(ParticleSpritePSX::ColorBetween, 0xFF10F020u, 0xFF30D020u);
    system->start();
    for (int32_t i = 0; i < system->getCount(); ++i) {
        const uint32_t color = system->particleAt(i).color;
        EXPECT_EQ(color >> 24, 0xFFu);
        EXPECT_GE(color >> 16 & 0xFF, 0x10u);
        EXPECT_LT(color >> 16 & 0xFF, 0x30u);
        EXPECT_GE(color >> 8 & 0xFF, 0xD0u);
        EXPECT_LT(color >> 8 & 0xFF, 0xF0u);
        EXPECT_EQ(color & 0xFF, 0x20u);
    }
    system->setColors(ParticleSpritePSX::ColorFade, 0xFF000000u, 0xFFFFFFFFu);
    system->start();
    EXPECT_EQ(system->particleAt(0).color, 0xFF000000u);
    EXPECT_EQ(system->particleAt(0).endColor, 0xFFFFFFFFu);
}

TEST(ParticleSystem, EmitsAtTheReferencePointWithLifetimes)
{
    seedRandom(3);
    Ref<ParticleSpritePSX> system = adopt(new ParticleSpritePSX(30));
    system->setLocation(100, 50);
    system->setRandomLifetime(10, 5);
    system->start();
    EXPECT_TRUE(system->isRunning());
    EXPECT_TRUE(system->isVisible());
    for (int32_t i = 0; i < 30; ++i) {
        const Particle& particle = system->particleAt(i);
        EXPECT_FLOAT_EQ(particle.position.x, 500.0f);
        EXPECT_FLOAT_EQ(particle.position.y, 350.0f);
        EXPECT_GE(particle.lifetime, 10);
        EXPECT_LT(particle.lifetime, 15);
        EXPECT_TRUE(particle.alive);
    }
    system->setRandomLifetime(10, 0);
    system->setLifetime(7);
    system->start();
    EXPECT_EQ(system->particleAt(0).lifetime, 7);
}

TEST(ParticleSystem, SameCountKeepsTheArrayAndAnotherMakesANewOne)
{
    Ref<ParticleSpritePSX> system = adopt(new ParticleSpritePSX(10));
    system->start();
    system->particleAt(3).age = 9;
    system->setCount(10);
    EXPECT_EQ(system->particleAt(3).age, 9);
    system->setCount(4);
    EXPECT_EQ(system->getCount(), 4);
    EXPECT_FALSE(system->particleAt(3).alive);
    system->setCount(0);
    EXPECT_EQ(system->getCount(), 0);
}

TEST(ParticleSystem, EndsHidesAndReportsNoMoreChanges)
{
    Ref<ParticleSpritePSX> system = adopt(new ParticleSpritePSX(5));
    system->setRandomLifetime(2, 0);
    system->setLifetime(0);
    system->start();
    EXPECT_TRUE(system->isBusy());
    EXPECT_TRUE(system->isDrawable());
    // Lifetime 0: every particle outlives it at the first step.
    EXPECT_TRUE(step(*system, 1));
    EXPECT_FALSE(system->isRunning());
    EXPECT_FALSE(system->isVisible());
    EXPECT_FALSE(system->isAnyAlive());
    EXPECT_TRUE(system->wasStopped());
    EXPECT_FALSE(system->isBusy());
    EXPECT_FALSE(step(*system, 2));
    EXPECT_FALSE(step(*system, 3));
}

TEST(ParticleSystem, FixedLifetimeEndsTheSystemAfterItsSteps)
{
    Ref<ParticleSpritePSX> system = adopt(new ParticleSpritePSX(5));
    system->setRandomLifetime(0, 0);
    system->setLifetime(3);
    system->start();
    for (int32_t frame = 1; frame <= 3; ++frame) {
        step(*system, frame);
        EXPECT_TRUE(system->isRunning()) << "frame " << frame;
    }
    EXPECT_EQ(system->getStepsDone(), 3);
    step(*system, 4);
    EXPECT_FALSE(system->isRunning());
    EXPECT_FALSE(system->isVisible());
}

TEST(Explosion, SmallSystemsStepTwiceAndDoNotFall)
{
    seedRandom(11);
    Ref<ExplosionSpritePSX> small = adopt(new ExplosionSpritePSX(40, ExplosionSpritePSX::ModeRandomSpin));
    small->start();
    bool left = false;
    bool right = false;
    for (int32_t i = 0; i < 40; ++i) {
        const Particle& particle = small->particleAt(i);
        EXPECT_EQ(particle.step, 2);
        EXPECT_FLOAT_EQ(particle.acceleration.y, 0.0f);
        EXPECT_TRUE(particle.flags == Particle::FlagSpinLeft || particle.flags == Particle::FlagSpinRight);
        left = left || particle.flags == Particle::FlagSpinLeft;
        right = right || particle.flags == Particle::FlagSpinRight;
        const float speed = std::sqrt(particle.velocity.x * particle.velocity.x + particle.velocity.y * particle.velocity.y
            + particle.velocity.z * particle.velocity.z);
        EXPECT_GE(speed, 2.999f);
        EXPECT_LT(speed, 5.001f);
    }
    EXPECT_TRUE(left && right);
}

TEST(Explosion, HundredParticlesStepOnceAndFallWithTheirMode)
{
    seedRandom(5);
    Ref<ExplosionSpritePSX> big = adopt(new ExplosionSpritePSX(100, Particle::FlagAccelerate | Particle::FlagDamp));
    big->setLocation(300, 300);
    big->start();
    const Particle before = big->particleAt(0);
    EXPECT_EQ(before.step, 1);
    EXPECT_FLOAT_EQ(before.acceleration.y, 0.2f);
    EXPECT_FLOAT_EQ(before.acceleration.x, 0.0f);
    EXPECT_EQ(before.flags, Particle::FlagAccelerate | Particle::FlagDamp);
    step(*big, 1);
    const Particle after = big->particleAt(0);
    EXPECT_FLOAT_EQ(after.position.x, before.position.x + before.velocity.x);
    EXPECT_FLOAT_EQ(after.velocity.y, before.velocity.y * 0.95f + 0.2f);
}

TEST(ParticleRendering, PaintDrawsLivingParticlesAsPoints)
{
    Ref<ParticleSpritePSX> system = adopt(new ParticleSpritePSX(2));
    system->setColors(ParticleSpritePSX::ColorFixed, 0xFFFF0000u, 0xFFFF0000u);
    system->setLocation(-390, -290);
    system->start();
    system->particleAt(1).position = {30.0f, 12.0f, 0.0f};
    system->particleAt(1).color = 0xFF00FF00u;
    Ref<window::PixelImage> target = adopt(new window::PixelImage(40, 20));
    Ref<window::Graphics> graphics = adopt(target->getGraphics());
    system->render(graphics.get());
    EXPECT_EQ(target->getPixels()[10 * 40 + 10], 0xFFFF0000u);
    EXPECT_EQ(target->getPixels()[12 * 40 + 30], 0xFF00FF00u);
    system->particleAt(1).alive = false;
    target->getPixels()[12 * 40 + 30] = 0;
    system->render(graphics.get());
    EXPECT_EQ(target->getPixels()[12 * 40 + 30], 0u);
}

TEST(ParticleRendering, RendererBlendsByAlphaOrAddsAndKeepsToTheClip)
{
    Ref<window::PixelImage> target = adopt(new window::PixelImage(10, 10));
    std::fill_n(target->getPixels(), 100, 0xFF404040u);
    window::ImageGraphics graphics(target.get());
    window::ParticleRenderer renderer;
    EXPECT_FALSE(renderer.init(window::ParticleRenderer::MaxParticles + 1));
    ASSERT_TRUE(renderer.init(3));
    graphics.translate(1, 2);
    graphics.clipRect(0, 0, 5, 5);
    renderer.addPoint(0.0f, 0.0f, 0.0f, 0x80C0C0C0u);
    renderer.addPoint(2.7f, 1.2f, 0.0f, 0xFFFFFFFFu);
    renderer.addPoint(6.0f, 0.0f, 0.0f, 0xFFFFFFFFu);
    renderer.draw(&graphics);
    // 0x40 + (0xC0 - 0x40) * 128 / 256.
    EXPECT_EQ(target->getPixels()[2 * 10 + 1], 0xFF808080u);
    EXPECT_EQ(target->getPixels()[3 * 10 + 3], 0xFFFFFFFFu);
    // Clipped: (7, 2) lies outside the 5 x 5 clip at (1, 2).
    EXPECT_EQ(target->getPixels()[2 * 10 + 7], 0xFF404040u);
    EXPECT_EQ(renderer.getPointCount(), 0);
    graphics.setBlendMode(window::Graphics::BLEND_ADDITIVE);
    renderer.init(1);
    renderer.addPoint(1.0f, 1.0f, 0.0f, 0xFF102030u);
    renderer.draw(&graphics);
    EXPECT_EQ(target->getPixels()[3 * 10 + 2], 0xFF506070u);
}

TEST(EffectClasses, RegisteredUnderTheirNames)
{
    for (const char* name : {"ParticleSpritePSX", "ExplosionSpritePSX", "FaderSprite", "TransitionSprite",
             "NewFontSprite", "TextSprite", "NumberSprite", "RichTTYSprite"}) {
        lang::Class* type = lang::Class::forName(name);
        ASSERT_NE(type, nullptr) << name;
        Ref<lang::Object> instance = adopt(type->newInstance());
        EXPECT_TRUE(instance->isInstanceOf(name)) << name;
        EXPECT_STREQ(instance->getClassName(), name);
    }
    Ref<lang::Object> fader = adopt(lang::Class::forName("FaderSprite")->newInstance());
    EXPECT_TRUE(fader->isInstanceOf("ImageSprite"));
}

TEST(Transition, FadesTheOldScreenOutAndHides)
{
    Ref<window::PixelImage> screen = adopt(new window::PixelImage(20, 10));
    std::fill_n(screen->getPixels(), 200, 0xFFFFFFFFu);
    Ref<sprite::TransitionSprite> transition = adopt(new sprite::TransitionSprite);
    EXPECT_FALSE(transition->isVisible());
    transition->setSize(40, 20);
    transition->start(screen.get(), 4);
    EXPECT_TRUE(transition->isDrawable());
    Ref<window::PixelImage> target = adopt(new window::PixelImage(40, 20));
    Ref<window::Graphics> graphics = adopt(target->getGraphics());
    transition->render(graphics.get());
    EXPECT_EQ(target->getPixels()[19 * 40 + 39], 0xFFFFFFFFu);
    step(*transition, 1);
    step(*transition, 2);
    EXPECT_EQ(transition->getAlpha(), 64);
    step(*transition, 3);
    step(*transition, 4);
    EXPECT_EQ(transition->getAlpha(), 0);
    EXPECT_FALSE(transition->isVisible());
}
