// Radial bursts: particle counts and colours, the layouts of patterns 2, 3 and 8, lifetimes of
// leads and followers, restart, and the 8 x 8 star patches with their fade and edge rule.
#include "sprite/RadialSpritePSX.h"

#include "util/Region.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using lang::adopt;
using lang::Ref;
using sprite::Particle;
using sprite::RadialSpritePSX;

namespace {

struct Point {
    float x;
    float y;
    uint32_t argb;
};

// Keeps the points it is given.
class RecordingRenderer : public window::GraphicsParticle {
public:
    bool init(int32_t) override { return true; }
    void addPoint(float x, float y, float, uint32_t argb) override { points.push_back({x, y, argb}); }
    void draw(window::Graphics*) override {}
    std::vector<Point> points;
};

void stepOnce(RadialSpritePSX& burst, int32_t frame)
{
    util::RectangleNM bounds;
    util::Region dirty;
    burst.update(frame, bounds, dirty);
}

float speedOf(const Particle& particle)
{
    return std::hypot(particle.velocity.x, particle.velocity.y);
}

} // namespace

TEST(RadialBurst, CountsAndColoursByPatternAndVariant)
{
    const int32_t counts[] = {0, 180, 180, 180, 180, 90, 90, 150, 60, 0};
    for (int32_t pattern = 0; pattern <= 9; ++pattern)
        EXPECT_EQ(RadialSpritePSX::particleCountOf(pattern, 3), counts[pattern]) << pattern;
    EXPECT_EQ(RadialSpritePSX::particleCountOf(1, 5), 120);
    EXPECT_EQ(RadialSpritePSX::colorOf(0), 0xFF0000F0u);
    EXPECT_EQ(RadialSpritePSX::colorOf(1), 0xFFF00000u);
    EXPECT_EQ(RadialSpritePSX::colorOf(2), 0xFF00F000u);
    EXPECT_EQ(RadialSpritePSX::colorOf(3), 0xFFF0F0F0u);
    EXPECT_EQ(RadialSpritePSX::colorOf(4), 0xFFF0F000u);
    EXPECT_EQ(RadialSpritePSX::colorOf(5), 0xFFF0F000u);
    EXPECT_EQ(RadialSpritePSX::colorOf(9), 0xFFF0F0F0u);
}

TEST(RadialBurst, EveryPatternFillsItsParticles)
{
    for (int32_t pattern = 1; pattern <= 8; ++pattern) {
        Ref<RadialSpritePSX> burst = adopt(new RadialSpritePSX(pattern, 2));
        burst->start();
        for (int32_t i = 0; i < burst->getCount(); ++i) {
            EXPECT_TRUE(burst->particleAt(i).alive) << pattern << " " << i;
            EXPECT_GT(burst->particleAt(i).lifetime, 0) << pattern << " " << i;
            EXPECT_EQ(burst->particleAt(i).color, 0xFF00F000u);
        }
    }
}

TEST(RadialBurst, PatternEightLeadsDieAtTheirThirteenthStepFollowersAtTheTwentySixth)
{
    Ref<RadialSpritePSX> burst = adopt(new RadialSpritePSX(8, 4));
    ASSERT_EQ(burst->getCount(), 60);
    burst->start();
    for (int32_t ray = 0; ray < 30; ++ray) {
        const Particle& lead = burst->particleAt(ray * 2);
        const Particle& follower = burst->particleAt(ray * 2 + 1);
        EXPECT_EQ(lead.lifetime, 25);
        EXPECT_EQ(lead.step, 2);
        EXPECT_EQ(lead.flags, Particle::FlagDamp);
        EXPECT_EQ(follower.lifetime, 50);
        EXPECT_FLOAT_EQ(follower.velocity.x, lead.velocity.x * 0.9f);
        EXPECT_FLOAT_EQ(follower.velocity.y, lead.velocity.y * 0.9f);
        EXPECT_FLOAT_EQ(lead.position.x, 400.0f);
        EXPECT_FLOAT_EQ(lead.position.y, 300.0f);
    }
    // One speed for the whole burst: 3, 4 or 5 (nextInt includes its bound).
    const float speed = speedOf(burst->particleAt(0));
    EXPECT_NEAR(speed, std::round(speed), 1e-4f);
    EXPECT_GE(speed, 2.999f);
    EXPECT_LE(speed, 5.001f);
    EXPECT_NEAR(speedOf(burst->particleAt(20)), speed, 1e-4f);
    for (int32_t frame = 1; frame <= 12; ++frame)
        stepOnce(*burst, frame);
    EXPECT_TRUE(burst->particleAt(0).alive);
    stepOnce(*burst, 13);
    EXPECT_FALSE(burst->particleAt(0).alive);
    EXPECT_TRUE(burst->particleAt(1).alive);
    for (int32_t frame = 14; frame <= 25; ++frame)
        stepOnce(*burst, frame);
    EXPECT_TRUE(burst->particleAt(1).alive);
    EXPECT_TRUE(burst->isRunning());
    stepOnce(*burst, 26);
    EXPECT_FALSE(burst->particleAt(1).alive);
    EXPECT_FALSE(burst->isRunning());
    EXPECT_FALSE(burst->isVisible());
}

TEST(RadialBurst, PatternThreeFallsWithARandomSpeedPerRay)
{
    Ref<RadialSpritePSX> burst = adopt(new RadialSpritePSX(3, 3));
    burst->start();
    const int32_t lifetimes[6] = {30, 80, 70, 60, 50, 40};
    const float factors[6] = {1.0f, 0.9f, 0.85f, 0.75f, 0.65f, 0.55f};
    for (int32_t ray = 0; ray < 30; ++ray) {
        const Particle& lead = burst->particleAt(ray * 6);
        const double angle = ray * 2.0 * 3.14159265358979323846 / 30;
        const double speed = lead.velocity.x / std::cos(angle);
        if (std::fabs(std::cos(angle)) > 0.3) {
            EXPECT_NEAR(speed, std::round(speed), 1e-3);
            EXPECT_GE(speed, 10.999);
            EXPECT_LE(speed, 15.001);
            EXPECT_NEAR(lead.velocity.y, std::sin(angle) * speed - 2.0, 1e-3);
        }
        EXPECT_EQ(lead.step, 3);
        EXPECT_EQ(lead.flags, Particle::FlagDamp | Particle::FlagAccelerate);
        EXPECT_FLOAT_EQ(lead.acceleration.y, 0.6f);
        EXPECT_FLOAT_EQ(lead.damping.x, 0.0f);
        for (int32_t k = 0; k < 6; ++k) {
            const Particle& particle = burst->particleAt(ray * 6 + k);
            EXPECT_EQ(particle.lifetime, lifetimes[k]);
            EXPECT_FLOAT_EQ(particle.velocity.x, lead.velocity.x * factors[k]);
            EXPECT_FLOAT_EQ(particle.acceleration.y, 0.6f);
        }
    }
}

TEST(RadialBurst, PatternTwoKeepsItsDampingAndOneSpeed)
{
    Ref<RadialSpritePSX> burst = adopt(new RadialSpritePSX(2, 3));
    burst->start();
    const float speed = speedOf(burst->particleAt(0));
    EXPECT_NEAR(speed, std::round(speed), 1e-3f);
    EXPECT_GE(speed, 10.999f);
    EXPECT_LE(speed, 13.001f);
    for (int32_t ray = 0; ray < 30; ++ray) {
        const Particle& lead = burst->particleAt(ray * 6);
        EXPECT_NEAR(speedOf(lead), speed, 1e-3f);
        EXPECT_EQ(lead.lifetime, 60);
        EXPECT_FLOAT_EQ(lead.damping.x, Particle::DefaultDamping);
        EXPECT_EQ(burst->particleAt(ray * 6 + 5).lifetime, 25);
        EXPECT_NEAR(speedOf(burst->particleAt(ray * 6 + 5)), speed * 11 / 20.0f, 1e-3f);
    }
}

TEST(RadialBurst, RestartWithTheSamePatternLaysTheBurstOutAgain)
{
    Ref<RadialSpritePSX> burst = adopt(new RadialSpritePSX(3, 3));
    burst->start();
    for (int32_t frame = 1; frame <= 5; ++frame)
        stepOnce(*burst, frame);
    const Particle* array = &burst->particleAt(0);
    burst->setLocation(100, 100);
    burst->restart(3, 4);
    EXPECT_EQ(&burst->particleAt(0), array);
    EXPECT_EQ(burst->getVariant(), 4);
    EXPECT_EQ(burst->particleAt(7).age, 0);
    EXPECT_FLOAT_EQ(burst->particleAt(7).position.x, 500.0f);
    EXPECT_EQ(burst->particleAt(7).color, 0xFFF0F000u);
    EXPECT_TRUE(burst->isRunning());
    burst->restart(8, 4);
    EXPECT_EQ(burst->getCount(), 60);
    EXPECT_EQ(burst->getPattern(), 8);
}

TEST(RadialPatch, BrushIsBrightestAlongItsMiddleRowAndColumn)
{
    EXPECT_EQ(RadialSpritePSX::brush(0, 0), 255);
    EXPECT_EQ(RadialSpritePSX::brush(-4, 0), 255);
    EXPECT_EQ(RadialSpritePSX::brush(0, 3), 255);
    EXPECT_EQ(RadialSpritePSX::brush(-4, -4), 0);
    EXPECT_EQ(RadialSpritePSX::brush(3, 3), 30);
    EXPECT_EQ(RadialSpritePSX::brush(-2, -1), 206);
}

TEST(RadialPatch, PointsLieFromFourLeftToThreeRightOfTheParticle)
{
    Ref<RadialSpritePSX> burst = adopt(new RadialSpritePSX(8, 1));
    burst->start();
    for (int32_t i = 1; i < burst->getCount(); ++i)
        burst->particleAt(i).alive = false;
    Particle& only = burst->particleAt(0);
    only.position = {123.5f, 200.25f, 0.0f};
    only.age = 0;
    only.lifetime = 100;
    RecordingRenderer renderer;
    burst->drawParticles(&renderer);
    ASSERT_FALSE(renderer.points.empty());
    EXPECT_LE(renderer.points.size(), 64u);
    for (const Point& point : renderer.points) {
        const float dx = point.x - only.position.x;
        const float dy = point.y - only.position.y;
        EXPECT_GE(dx, -4.0f);
        EXPECT_LE(dx, 3.0f);
        EXPECT_GE(dy, -4.0f);
        EXPECT_LE(dy, 3.0f);
        EXPECT_EQ(point.argb & 0xFFFFFFu, 0xF00000u);
        EXPECT_GT(point.argb >> 24, 0u);
    }
    // The middle row is full: shimmer shifts by at most two, and 255 >> 2 still shows.
    int32_t middleRow = 0;
    for (const Point& point : renderer.points)
        middleRow += point.y == only.position.y ? 1 : 0;
    EXPECT_EQ(middleRow, 8);
}

TEST(RadialPatch, ParticlesNearTheEdgeAreNotDrawn)
{
    Ref<RadialSpritePSX> burst = adopt(new RadialSpritePSX(8, 1));
    burst->start();
    for (int32_t i = 0; i < burst->getCount(); ++i)
        burst->particleAt(i).alive = false;
    const float inside[][2] = {{4.0f, 4.0f}, {796.0f, 596.0f}};
    const float outside[][2] = {{3.9f, 300.0f}, {400.0f, 3.5f}, {796.5f, 300.0f}, {400.0f, 596.1f}};
    RecordingRenderer renderer;
    for (const auto& position : outside) {
        burst->particleAt(0).alive = true;
        burst->particleAt(0).position = {position[0], position[1], 0.0f};
        burst->drawParticles(&renderer);
        EXPECT_TRUE(renderer.points.empty()) << position[0] << ", " << position[1];
    }
    for (const auto& position : inside) {
        burst->particleAt(0).position = {position[0], position[1], 0.0f};
        burst->drawParticles(&renderer);
        EXPECT_FALSE(renderer.points.empty()) << position[0] << ", " << position[1];
        renderer.points.clear();
    }
}

TEST(RadialPatch, PatchesFadeOverTheLastSixtyFourUnits)
{
    Ref<RadialSpritePSX> burst = adopt(new RadialSpritePSX(8, 3));
    burst->start();
    for (int32_t i = 1; i < burst->getCount(); ++i)
        burst->particleAt(i).alive = false;
    Particle& only = burst->particleAt(0);
    only.lifetime = 100;
    RecordingRenderer renderer;
    // 64 units left: no fade yet, each point is the brush shifted by its shimmer (0 to 2).
    only.age = 36;
    burst->drawParticles(&renderer);
    ASSERT_FALSE(renderer.points.empty());
    for (const Point& point : renderer.points) {
        const int32_t full = RadialSpritePSX::brush(static_cast<int32_t>(point.x - only.position.x),
            static_cast<int32_t>(point.y - only.position.y));
        const auto alpha = static_cast<int32_t>(point.argb >> 24);
        EXPECT_TRUE(alpha == full || alpha == full >> 1 || alpha == full >> 2) << alpha << " of " << full;
    }
    renderer.points.clear();
    // 16 units left: at most a quarter of the brush.
    only.age = 84;
    burst->drawParticles(&renderer);
    ASSERT_FALSE(renderer.points.empty());
    for (const Point& point : renderer.points) {
        const auto dx = static_cast<int32_t>(point.x - only.position.x);
        const auto dy = static_cast<int32_t>(point.y - only.position.y);
        EXPECT_LE(static_cast<int32_t>(point.argb >> 24), RadialSpritePSX::brush(dx, dy) * 16 / 64);
    }
    renderer.points.clear();
    only.age = 100;
    burst->drawParticles(&renderer);
    EXPECT_TRUE(renderer.points.empty());
}
