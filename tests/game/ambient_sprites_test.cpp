// The ambient sprites: the hint sparkle's phases and orbit, and the confetti rain's pieces,
// their pictures, tints, fall, sway and additive drawing.
#include "game/ambient/RainSprite.h"
#include "game/ambient/SparkleSprite.h"

#include "sprite/sprite_test_support.h"
#include "util/CRand.h"
#include "util/Region.h"
#include "sprite/BoundsSprite.h"
#include "window/Event.h"
#include "window/raster/ImageGraphics.h"

#include <gtest/gtest.h>

namespace {

// A listener that counts the named actions it is told.
class ActionCounter : public sprite::BoundsSprite {
public:
    bool handleEvent(window::Event*) override
    {
        ++actions;
        return true;
    }
    int32_t actions = 0;
};

void frames(sprite::SpriteBase& sprite, int32_t count)
{
    static int32_t frameNo = 0;
    util::RectangleNM bounds;
    util::Region region;
    for (int32_t i = 0; i < count; ++i)
        sprite.update(++frameNo, bounds, region);
}

lang::Ref<SparkleSprite> sparkle()
{
    lang::Ref<SparkleSprite> twinkle = lang::adopt(new SparkleSprite);
    lang::Ref<window::ImageBase> sheet = lang::adopt<window::ImageBase>(new window::PixelImage(40, 10));
    twinkle->setImage(sheet.get(), 4, 1);
    twinkle->setVisible(false);
    return twinkle;
}

TEST(Sparkle, FadesInHoldsFadesOutAndHidesAroundItsCentre)
{
    util::crtSrand(5);
    lang::Ref<SparkleSprite> twinkle = sparkle();
    ActionCounter listener;
    twinkle->setListener(&listener, "sparkleInDone");
    twinkle->startSparkle(36, 100, 80, 1, 0.0, 0.0);
    EXPECT_TRUE(twinkle->isVisible());
    EXPECT_EQ(twinkle->getAlpha(), 0);
    EXPECT_EQ(twinkle->getStep(), -1); // no angular speed: the sheet runs backwards
    frames(*twinkle, 1);
    EXPECT_GT(twinkle->getAlpha(), 0); // fading in from the first update
    EXPECT_EQ(twinkle->getX(), 95);
    EXPECT_EQ(twinkle->getY(), 75);
    frames(*twinkle, 19);
    EXPECT_EQ(twinkle->getAlpha(), 128);
    EXPECT_EQ(listener.actions, 1);
    frames(*twinkle, 36 - 20);
    EXPECT_TRUE(twinkle->isVisible()); // the hold counts from the start of the fade-in
    frames(*twinkle, 19 + 19 + 1);
    EXPECT_FALSE(twinkle->isVisible());
    EXPECT_EQ(listener.actions, 2);
    EXPECT_EQ(twinkle->getX(), 95);

    // Started again while transparent, it fades in again.
    twinkle->startSparkle(75, 10, 10, 1, 0.0, 0.0);
    frames(*twinkle, 20);
    EXPECT_EQ(twinkle->getAlpha(), 128);

    lang::Ref<SparkleSprite> copy = lang::adopt(static_cast<SparkleSprite*>(twinkle->duplicate()));
    EXPECT_STREQ(copy->getClassName(), "SparkleSprite");
    EXPECT_EQ(copy->getCentreX(), 10);
    EXPECT_EQ(copy->getWaitFrames(), 0);
}

TEST(Sparkle, ACountWaitsAtRandomAndAZeroWaitNeverShows)
{
    bool sawZeroWait = false;
    for (uint32_t seed = 1; seed < 60; ++seed) {
        util::crtSrand(seed);
        lang::Ref<SparkleSprite> twinkle = sparkle();
        twinkle->startSparkle(25, 300, 200, 10, 40.0, 0.0);
        const int32_t wait = twinkle->getWaitFrames();
        ASSERT_GE(wait, 0);
        ASSERT_LE(wait, 9);
        ASSERT_LE(std::abs(twinkle->getX() + 5 - 300), 40);
        ASSERT_LE(std::abs(twinkle->getY() + 5 - 200), 40);
        ASSERT_GE(twinkle->getAngularSpeed(), -0.5);
        ASSERT_LT(twinkle->getAngularSpeed(), 0.5);
        frames(*twinkle, 1);
        if (wait == 0) {
            sawZeroWait = true;
            EXPECT_FALSE(twinkle->isVisible());
        } else {
            EXPECT_TRUE(twinkle->isVisible());
            EXPECT_EQ(twinkle->getAlpha(), wait == 1 ? 6 : 0);
        }
    }
    EXPECT_TRUE(sawZeroWait);
}

TEST(Rain, PiecesTakeTheirPicturesAndTints)
{
    EXPECT_EQ(RainSprite::pictureOfDraw(0), 2);
    EXPECT_EQ(RainSprite::pictureOfDraw(65), 2);
    EXPECT_EQ(RainSprite::pictureOfDraw(66), 1);
    EXPECT_EQ(RainSprite::pictureOfDraw(90), 1);
    EXPECT_EQ(RainSprite::pictureOfDraw(91), 3);
    EXPECT_EQ(RainSprite::pictureOfDraw(100), 3);
    EXPECT_EQ(RainSprite::pieceTint(0), 0x804A2A1Fu);
    EXPECT_EQ(RainSprite::pieceTint(1), 0x808A4A34u);
    EXPECT_EQ(RainSprite::pieceTint(104), 0x80CAAA9Du);
}

class Shower : public ::testing::Test {
protected:
    void SetUp() override
    {
        rain->startShower("+confetti");
        rain->setLocation(12, 12);
    }
    spritetest::TempFolder folder;
    spritetest::PackageScope package{folder,
        {{"confetti1", spritetest::pngOf(14 * 6, 6, 0xFF402000u)},
            {"confetti2", spritetest::pngOf(14 * 6, 6, 0xFF004020u)},
            {"confetti3", spritetest::pngOf(14 * 6, 6, 0xFF200040u)}}};
    lang::Ref<RainSprite> rain = lang::adopt(new RainSprite);
};

TEST_F(Shower, PiecesFallSwayAndComeBackAboveTheTop)
{
    EXPECT_EQ(rain->getBoundsWidth(), 776);
    EXPECT_EQ(rain->getBoundsHeight(), 576);
    for (int32_t i = 0; i < RainSprite::PieceCount; ++i) {
        sprite::AnimateSprite* piece = rain->getPiece(i);
        ASSERT_EQ(piece->getWidth(), 6);
        ASSERT_EQ(piece->getColor(), RainSprite::pieceTint(i));
        ASSERT_LE(piece->getY(), 0);
        ASSERT_GE(piece->getY(), -575);
        ASSERT_GE(piece->getX(), 0);
        ASSERT_LE(piece->getX(), 775);
        ASSERT_EQ(piece->getStep(), 1);
    }
    rain->getPiece(2)->setLocation(50, 599);
    std::vector<int32_t> xs, ys;
    for (int32_t i = 0; i < RainSprite::PieceCount; ++i) {
        xs.push_back(rain->getPiece(i)->getX());
        ys.push_back(rain->getPiece(i)->getY());
    }
    EXPECT_EQ(rain->getSwayPhase(), 0);
    frames(*rain, 1);
    EXPECT_EQ(rain->getPiece(2)->getY(), RainSprite::RestartY);
    for (int32_t i = 3; i < RainSprite::PieceCount; ++i) {
        ASSERT_EQ(rain->getPiece(i)->getY(), ys[i] + i % 3 + 1) << i;
        if (i % 2 == 1) {
            ASSERT_EQ(rain->getPiece(i)->getX(), xs[i]) << i;
        } else {
            ASSERT_LE(std::abs(rain->getPiece(i)->getX() - xs[i]), 1) << i;
        }
    }
    EXPECT_EQ(rain->getSwayPhase(), 1);
    xs.clear();
    for (int32_t i = 0; i < RainSprite::PieceCount; ++i)
        xs.push_back(rain->getPiece(i)->getX());
    frames(*rain, 1);
    for (int32_t i = 4; i < RainSprite::PieceCount; i += 2)
        ASSERT_EQ(rain->getPiece(i)->getX(), xs[i]) << i; // now the odd ones sway

    // Hidden, the rain stands still.
    rain->setVisible(false);
    const int32_t y = rain->getPiece(5)->getY();
    frames(*rain, 3);
    EXPECT_EQ(rain->getPiece(5)->getY(), y);
}

TEST_F(Shower, DrawsAdditivelyInsideItsRectangleOnly)
{
    for (int32_t i = 0; i < 200; ++i)
        frames(*rain, 1);
    lang::Ref<window::ImageBase> screen = lang::adopt<window::ImageBase>(new window::PixelImage(800, 600));
    std::fill(screen->getPixels(), screen->getPixels() + 800 * 600, 0xFF101010u);
    lang::Ref<window::Graphics> target = lang::adopt(screen->getGraphics());
    rain->render(target.get());
    EXPECT_EQ(target->getBlendMode(), window::Graphics::BLEND_NORMAL);
    int32_t brightened = 0;
    for (int32_t y = 0; y < 600; ++y) {
        for (int32_t x = 0; x < 800; ++x) {
            const uint32_t pixel = screen->getPixels()[y * 800 + x];
            const bool inside = x >= 12 && x < 788 && y >= 12 && y < 588;
            if (!inside) {
                ASSERT_EQ(pixel, 0xFF101010u) << x << "," << y;
            }
            // Adding never darkens.
            for (int32_t shift = 0; shift < 24; shift += 8) {
                ASSERT_GE((pixel >> shift) & 0xFF, 0x10u) << x << "," << y;
            }
            brightened += pixel != 0xFF101010u ? 1 : 0;
        }
    }
    EXPECT_GT(brightened, 1000);
}

} // namespace
