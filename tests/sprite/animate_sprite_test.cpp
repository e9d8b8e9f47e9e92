// Sprite sheets and the animation state machine; pixel hit tests and edge searches.
#include "sprite/AnimateSprite.h"
#include "sprite_test_support.h"
#include "util/Region.h"
#include "window/Event.h"
#include "window/image/ImageArray.h"
#include "window/Receiver.h"

#include <gtest/gtest.h>

#include <vector>

using sprite::AnimateSprite;
using sprite::ImageSprite;

namespace {

class FinishCounter : public lang::Object, public window::Receiver {
public:
    bool handleEvent(window::Event*) override
    {
        ++count;
        return true;
    }
    int32_t count = 0;
};

lang::Ref<window::ImageBase> sheet(int32_t width, int32_t height)
{
    return spritetest::makeImage(width, height, [](int32_t, int32_t) { return 0xFF808080u; });
}

// A sheet of four cells in a row, animated over all of them one cell per update.
lang::Ref<AnimateSprite> fourCells()
{
    lang::Ref<AnimateSprite> sprite = lang::adopt(new AnimateSprite);
    lang::Ref<window::ImageBase> picture = sheet(40, 10);
    sprite->setImage(picture.get(), 4, 1);
    sprite->setFrame(0);
    return sprite;
}

// The cells shown over `updates` updates, after the one shown at the start.
std::vector<int32_t> run(AnimateSprite& sprite, int32_t updates, FinishCounter* counter = nullptr, std::vector<int32_t>* finishedAt = nullptr)
{
    std::vector<int32_t> shown{sprite.getFrame()};
    for (int32_t i = 1; i <= updates; ++i) {
        util::RectangleNM bounds;
        util::Region region;
        const int32_t before = counter ? counter->count : 0;
        sprite.update(i, bounds, region);
        shown.push_back(sprite.getFrame());
        if (counter && finishedAt && counter->count != before)
            finishedAt->push_back(i);
    }
    return shown;
}

} // namespace

TEST(AnimateSheet, CellsAreCutRowByRow)
{
    lang::Ref<AnimateSprite> sprite = lang::adopt(new AnimateSprite);
    lang::Ref<window::ImageBase> picture = sheet(100, 40);
    sprite->setImage(picture.get(), 5, 2);
    sprite->setFrame(7);
    const util::RectangleNM& cell = sprite->getSourceRect();
    EXPECT_EQ(cell.x, 40);
    EXPECT_EQ(cell.y, 20);
    EXPECT_EQ(cell.width, 20);
    EXPECT_EQ(cell.height, 20);
    EXPECT_EQ(sprite->getWidth(), 20);
    // Beyond the last cell shows the last.
    sprite->setFrame(99);
    EXPECT_EQ(sprite->getFrame(), 9);
    EXPECT_EQ(sprite->getSourceRect().x, 80);
}

TEST(AnimateLoop, EndlessLoopNeverFinishes)
{
    lang::Ref<AnimateSprite> sprite = fourCells();
    lang::Ref<FinishCounter> counter = lang::adopt(new FinishCounter);
    sprite->setListener(counter.get(), lang::String("done"));
    sprite->setAnimation(1, true);
    EXPECT_EQ(run(*sprite, 9), (std::vector<int32_t>{0, 1, 2, 3, 0, 1, 2, 3, 0, 1}));
    EXPECT_EQ(counter->count, 0);
}

TEST(AnimateLoop, CountedLoopsStopOnTheLastCellAndFinish)
{
    lang::Ref<AnimateSprite> sprite = fourCells();
    lang::Ref<FinishCounter> counter = lang::adopt(new FinishCounter);
    sprite->setListener(counter.get(), lang::String("done"));
    sprite->setAnimation(1, true);
    sprite->setLoops(2);
    EXPECT_TRUE(sprite->isBusy());
    std::vector<int32_t> finishedAt;
    EXPECT_EQ(run(*sprite, 10, counter.get(), &finishedAt), (std::vector<int32_t>{0, 1, 2, 3, 0, 1, 2, 3, 3, 3, 3}));
    EXPECT_EQ(finishedAt, (std::vector<int32_t>{8}));
    EXPECT_FALSE(sprite->isBusy());
}

TEST(AnimateLoop, WithoutLoopingOrPingPongItStopsAtTheEnd)
{
    lang::Ref<AnimateSprite> sprite = fourCells();
    lang::Ref<FinishCounter> counter = lang::adopt(new FinishCounter);
    sprite->setListener(counter.get(), lang::String("done"));
    sprite->setAnimation(1, false);
    std::vector<int32_t> finishedAt;
    EXPECT_EQ(run(*sprite, 6, counter.get(), &finishedAt), (std::vector<int32_t>{0, 1, 2, 3, 3, 3, 3}));
    EXPECT_EQ(finishedAt, (std::vector<int32_t>{4}));
    EXPECT_EQ(sprite->getStep(), 0);
}

TEST(AnimatePingPong, EndCellsShowTwice)
{
    lang::Ref<AnimateSprite> sprite = fourCells();
    sprite->setAnimation(1, true);
    sprite->setPingPong(true);
    EXPECT_EQ(run(*sprite, 9), (std::vector<int32_t>{0, 1, 2, 3, 3, 2, 1, 0, 0, 1}));
}

TEST(AnimatePingPong, CountedBouncesEndTheAnimation)
{
    lang::Ref<AnimateSprite> sprite = fourCells();
    lang::Ref<FinishCounter> counter = lang::adopt(new FinishCounter);
    sprite->setListener(counter.get(), lang::String("done"));
    sprite->setAnimation(1, false);
    sprite->setPingPong(true);
    sprite->setBounces(1);
    // The far end bounces; at the start end the last bounce is used up and the animation stops.
    std::vector<int32_t> finishedAt;
    EXPECT_EQ(run(*sprite, 12, counter.get(), &finishedAt),
        (std::vector<int32_t>{0, 1, 2, 3, 3, 2, 1, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(finishedAt, (std::vector<int32_t>{8}));
}

TEST(AnimateHold, LoopWaitsOnTheEndCell)
{
    lang::Ref<AnimateSprite> sprite = fourCells();
    lang::Ref<FinishCounter> counter = lang::adopt(new FinishCounter);
    sprite->setListener(counter.get(), lang::String("done"));
    sprite->setAnimation(1, true);
    sprite->setHoldTicks(3);
    sprite->setLoops(2);
    std::vector<int32_t> finishedAt;
    // A step past the end waits until the tick count is a multiple of 3; the last loop stops
    // on the end cell.
    EXPECT_EQ(run(*sprite, 10, counter.get(), &finishedAt), (std::vector<int32_t>{0, 1, 2, 3, 3, 3, 0, 1, 2, 3, 3}));
    EXPECT_EQ(finishedAt, (std::vector<int32_t>{10}));
}

TEST(AnimateTiming, TicksPerStepSlowTheAnimation)
{
    lang::Ref<AnimateSprite> sprite = fourCells();
    sprite->setAnimation(1, true);
    sprite->setTicksPerStep(2);
    EXPECT_EQ(run(*sprite, 6), (std::vector<int32_t>{0, 0, 1, 1, 2, 2, 3}));
}

TEST(AnimateTiming, ARangeLimitsTheCells)
{
    lang::Ref<AnimateSprite> sprite = fourCells();
    sprite->setRange(1, 2);
    sprite->setFrame(1);
    sprite->setAnimation(1, true);
    EXPECT_EQ(run(*sprite, 4), (std::vector<int32_t>{1, 2, 1, 2, 1}));
    sprite->setRange(-5, 99);
    EXPECT_EQ(sprite->getFirstFrame(), 0);
    EXPECT_EQ(sprite->getLastFrame(), 3);
}

TEST(AnimateTable, AStartFrameOfMinusOneIsHiddenAndNotDrawable)
{
    lang::Ref<window::ImageBase> picture = sheet(40, 20);
    lang::Ref<window::ImageArray> pictures = lang::adopt(new window::ImageArray);
    pictures->append(picture.get());
    lang::Ref<lang::IntArray> numbers = lang::adopt(new lang::IntArray(5));
    const int32_t values[] = {7, 9, 4, 2, -1};
    for (int32_t i = 0; i < 5; ++i)
        (*numbers)[i] = values[i];
    lang::Ref<AnimateSprite> sprite = lang::adopt(new AnimateSprite);
    sprite->init(pictures.get(), numbers.get());
    EXPECT_FALSE(sprite->isVisible());
    EXPECT_FALSE(sprite->isDrawable());
    EXPECT_EQ(sprite->getWidth(), 10);
    EXPECT_EQ(sprite->getBounds().x, 7);
    EXPECT_EQ(sprite->getBounds().y, 9);
    sprite->setVisible(true);
    EXPECT_FALSE(sprite->isDrawable());
    sprite->setFrame(5);
    EXPECT_TRUE(sprite->isDrawable());
    EXPECT_EQ(sprite->getSourceRect().y, 10);
}

TEST(AnimateTable, EightNumbersStartTheAnimation)
{
    lang::Ref<window::ImageBase> picture = sheet(40, 10);
    lang::Ref<window::ImageArray> pictures = lang::adopt(new window::ImageArray);
    pictures->append(picture.get());
    lang::Ref<lang::IntArray> numbers = lang::adopt(new lang::IntArray(8));
    const int32_t values[] = {0, 0, 4, 1, 2, 1, 1, -1};
    for (int32_t i = 0; i < 8; ++i)
        (*numbers)[i] = values[i];
    lang::Ref<AnimateSprite> sprite = lang::adopt(new AnimateSprite);
    sprite->init(pictures.get(), numbers.get());
    EXPECT_EQ(run(*sprite, 6), (std::vector<int32_t>{2, 1, 0, 0, 1, 2, 3}));
}

TEST(ImageSpriteHit, PixelsDecideThroughRotationScaleAndMirror)
{
    // A 4 x 2 picture: only its top-left pixel is opaque.
    lang::Ref<window::ImageBase> picture
        = spritetest::makeImage(4, 2, [](int32_t x, int32_t y) { return x == 0 && y == 0 ? 0xFF000000u : 0x00000000u; });
    lang::Ref<ImageSprite> sprite = lang::adopt(new ImageSprite(picture.get(), 10, 10));
    // Unturned: the picture covers (8..11, 9..10).
    EXPECT_TRUE(sprite->hitTestPixel(8, 9, 1));
    EXPECT_FALSE(sprite->hitTestPixel(9, 9, 1));
    EXPECT_FALSE(sprite->hitTestPixel(8, 10, 1));
    EXPECT_FALSE(sprite->hitTestPixel(8, 9, 256));
    EXPECT_TRUE(sprite->contains(11, 10));
    // Mirrored left-right the opaque pixel is the top-right one.
    sprite->setFlip(1);
    EXPECT_FALSE(sprite->hitTestPixel(8, 9, 1));
    EXPECT_TRUE(sprite->hitTestPixel(11, 9, 1));
    sprite->setFlip(0);
    // Scaled by 2 around the reference point: the pixel covers (6..7, 8..9).
    sprite->setScale(2.0);
    EXPECT_TRUE(sprite->hitTestPixel(6, 8, 1));
    EXPECT_TRUE(sprite->hitTestPixel(7, 9, 1));
    EXPECT_FALSE(sprite->hitTestPixel(8, 8, 1));
    sprite->setScale(1.0);
    // Turned 90 degrees clockwise the top-left corner goes to the top-right: (x, y) -> (-y, x).
    sprite->setRotation(90);
    EXPECT_TRUE(sprite->hitTestPixel(10, 8, 1));
    EXPECT_FALSE(sprite->hitTestPixel(8, 9, 1));
    // Without pixel tests the rectangle decides.
    sprite->setRotation(0);
    sprite->setNoPixelHit(true);
    EXPECT_TRUE(sprite->hitTestPixel(9, 10, 1));
}

TEST(ImageSpriteHit, FindEdgeScansFromEachSide)
{
    // A 10 x 10 picture with an opaque square over x 3..6, y 2..7.
    lang::Ref<window::ImageBase> picture = spritetest::makeImage(10, 10, [](int32_t x, int32_t y) {
        return x >= 3 && x <= 6 && y >= 2 && y <= 7 ? 0xFF000000u : 0u;
    });
    lang::Ref<ImageSprite> sprite = lang::adopt(new ImageSprite(picture.get(), 5, 5));
    // The picture covers 0..9 both ways.
    int32_t x = 4, y = 0;
    EXPECT_TRUE(sprite->findEdge(x, y, 'B', 128));
    EXPECT_EQ(y, 7);
    EXPECT_TRUE(sprite->findEdge(x, y, 'T', 128));
    EXPECT_EQ(y, 2);
    y = 5;
    EXPECT_TRUE(sprite->findEdge(x, y, 'L', 128));
    EXPECT_EQ(x, 3);
    EXPECT_TRUE(sprite->findEdge(x, y, 'R', 128));
    EXPECT_EQ(x, 6);
    x = 1;
    y = 0;
    EXPECT_FALSE(sprite->findEdge(x, y, 'B', 128));
    EXPECT_EQ(y, 0);
    lang::Ref<ImageSprite> empty = lang::adopt(new ImageSprite);
    EXPECT_FALSE(empty->findEdge(x, y, 'T', 1));
}

TEST(ImageSpriteHit, WithoutAPictureNothingIsDrawnAndTheRectangleHits)
{
    lang::Ref<AnimateSprite> sprite = lang::adopt(new AnimateSprite);
    EXPECT_FALSE(sprite->isDrawable());
    EXPECT_FALSE(sprite->hitTestPixel(0, 0, 1));
    lang::Ref<window::ImageBase> picture = sheet(8, 8);
    sprite->setImage(picture.get());
    sprite->setFrame(-1);
    sprite->setLocation(0, 0);
    EXPECT_TRUE(sprite->hitTest(3, 3)) << "without a cell the rectangle decides";
}
