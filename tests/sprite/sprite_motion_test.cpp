// Motions, fades, delays, anchors, bounds and the named-action delivery of the base sprites.
#include "sprite/BoundsSprite.h"
#include "sprite/ImageSprite.h"
#include "sprite/Stepper.h"
#include "sprite_test_support.h"
#include "util/Region.h"
#include "window/Event.h"
#include "window/Receiver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using sprite::BoundsSprite;
using sprite::ImageSprite;
using sprite::SpriteBase;

namespace {

// Records the named actions it receives.
class ActionLog : public lang::Object, public window::Receiver {
public:
    bool handleEvent(window::Event* event) override
    {
        ids.push_back(event->id);
        sources.push_back(event->getSource());
        auto* text = static_cast<lang::String*>(event->getArgument());
        names.push_back(text ? text->c_str() : "");
        return true;
    }
    std::vector<int32_t> ids;
    std::vector<lang::Object*> sources;
    std::vector<std::string> names;
};

// Runs one update at the frame number and answers whether the sprite reported a change.
bool step(SpriteBase& sprite, int32_t frameNo)
{
    util::RectangleNM bounds;
    util::Region region;
    return sprite.update(frameNo, bounds, region);
}

lang::Ref<BoundsSprite> pointSprite()
{
    lang::Ref<BoundsSprite> sprite = lang::adopt(new BoundsSprite(0, 0, 0, 0));
    sprite->setAnchor(SpriteBase::AnchorCentreX | SpriteBase::AnchorCentreY);
    return sprite;
}

} // namespace

TEST(Stepper, CoversTheDistanceExactlyInTheGivenSteps)
{
    for (int32_t from : {-7, 0, 13}) {
        for (int32_t to : {-50, -1, 0, 9, 128}) {
            for (int32_t steps : {1, 2, 3, 7, 40}) {
                sprite::Stepper stepper;
                stepper.set(from, to, steps);
                int32_t value = from;
                for (int32_t i = 0; i < steps; ++i)
                    value = stepper.step(value);
                EXPECT_EQ(value, to) << from << " -> " << to << " in " << steps;
            }
        }
    }
}

TEST(Stepper, SpreadsTheRemainderOverTheSteps)
{
    sprite::Stepper stepper;
    stepper.set(10, 0, 4); // 10 = 4 x 2 + 2
    std::vector<int32_t> seen;
    int32_t value = 10;
    for (int32_t i = 0; i < 4; ++i)
        seen.push_back(value = stepper.step(value));
    EXPECT_EQ(seen, (std::vector<int32_t>{8, 5, 3, 0}));
}

TEST(SpriteMotion, MoveToVisitsTheStepsAndReportsOnTheLast)
{
    lang::Ref<BoundsSprite> sprite = pointSprite();
    lang::Ref<ActionLog> log = lang::adopt(new ActionLog);
    sprite->setListener(log.get(), lang::String("arrived"));
    sprite->moveTo(10, 0, 3);
    std::vector<int32_t> xs;
    for (int32_t frame = 1; frame <= 3; ++frame) {
        step(*sprite, frame);
        xs.push_back(sprite->getX());
        EXPECT_EQ(log->ids.size(), frame == 3 ? 1u : 0u) << "after update " << frame;
    }
    EXPECT_EQ(xs, (std::vector<int32_t>{3, 6, 10}));
    ASSERT_EQ(log->ids.size(), 1u);
    EXPECT_EQ(log->ids[0], window::Event::Action);
    EXPECT_EQ(log->sources[0], sprite.get());
    EXPECT_EQ(log->names[0], "arrived");
    EXPECT_FALSE(sprite->isBusy());

    // The listener stays set: the next motion reports again.
    sprite->moveTo(0, 0, 1);
    step(*sprite, 4);
    EXPECT_EQ(sprite->getX(), 0);
    EXPECT_EQ(log->ids.size(), 2u);
}

TEST(SpriteMotion, AMoveFromOutsideEndsTheMotionWhereTheSpriteStands)
{
    lang::Ref<BoundsSprite> sprite = pointSprite();
    lang::Ref<ActionLog> log = lang::adopt(new ActionLog);
    sprite->setListener(log.get(), lang::String("done"));
    sprite->moveTo(100, 50, 10);
    step(*sprite, 1);
    EXPECT_EQ(sprite->getX(), 10);
    sprite->moveBy(-3, 2);
    EXPECT_EQ(sprite->getMoveFrames(), 1);
    step(*sprite, 2);
    EXPECT_EQ(sprite->getX(), 7);
    EXPECT_EQ(sprite->getY(), 7);
    EXPECT_EQ(sprite->getMoveFrames(), 0);
    EXPECT_EQ(log->ids.size(), 1u);
    step(*sprite, 3);
    EXPECT_EQ(sprite->getX(), 7);
    EXPECT_EQ(log->ids.size(), 1u);
}

TEST(SpriteFade, FadeOutHidesTheSpriteAndReportsOnce)
{
    lang::Ref<BoundsSprite> sprite = lang::adopt(new BoundsSprite(0, 0, 10, 10));
    lang::Ref<ActionLog> log = lang::adopt(new ActionLog);
    sprite->setListener(log.get(), lang::String("gone"));
    ASSERT_EQ(sprite->getAlpha(), 128);
    sprite->fadeTo(0, 4, true);
    std::vector<int32_t> alphas;
    for (int32_t frame = 1; frame <= 4; ++frame) {
        step(*sprite, frame);
        alphas.push_back(sprite->getAlpha());
    }
    EXPECT_EQ(alphas, (std::vector<int32_t>{96, 64, 32, 0}));
    EXPECT_FALSE(sprite->isVisible());
    EXPECT_EQ(log->ids.size(), 1u);
    step(*sprite, 5);
    EXPECT_EQ(log->ids.size(), 1u);
}

TEST(SpriteFade, FadeWithoutHideKeepsTheSpriteAndMinusOneKeepsTheFramesLeft)
{
    lang::Ref<BoundsSprite> sprite = lang::adopt(new BoundsSprite(0, 0, 10, 10));
    sprite->fadeTo(0, 8, false);
    step(*sprite, 1);
    step(*sprite, 2);
    EXPECT_EQ(sprite->getAlpha(), 96);
    // A new target over the six frames still left.
    sprite->fadeTo(120, -1, false);
    EXPECT_EQ(sprite->getFadeFrames(), 6);
    for (int32_t frame = 3; frame <= 8; ++frame)
        step(*sprite, frame);
    EXPECT_EQ(sprite->getAlpha(), 120);
    EXPECT_TRUE(sprite->isVisible());
    // Zero frames fade in one.
    sprite->fadeTo(10, 0, false);
    step(*sprite, 9);
    EXPECT_EQ(sprite->getAlpha(), 10);
}

TEST(SpriteFade, SettingTheAlphaFromOutsideEndsTheFadeThere)
{
    lang::Ref<BoundsSprite> sprite = lang::adopt(new BoundsSprite(0, 0, 10, 10));
    lang::Ref<ActionLog> log = lang::adopt(new ActionLog);
    sprite->setListener(log.get(), lang::String("faded"));
    sprite->fadeTo(0, 10, true);
    step(*sprite, 1);
    sprite->setAlpha(50);
    step(*sprite, 2);
    EXPECT_EQ(sprite->getAlpha(), 50);
    EXPECT_TRUE(sprite->isVisible());
    EXPECT_EQ(log->ids.size(), 1u);
    EXPECT_FALSE(sprite->isBusy());
    // A colour with another alpha does the same; one with the same alpha does not.
    sprite->fadeTo(0, 10, false);
    sprite->setColor(0x32FF0000u); // alpha 50 again
    step(*sprite, 3);
    EXPECT_EQ(sprite->getAlpha(), 45);
}

TEST(SpriteDelay, ADelayedSpriteWaitsUntilItsFrame)
{
    lang::Ref<BoundsSprite> sprite = pointSprite();
    step(*sprite, 100);
    sprite->setDelay(10);
    EXPECT_TRUE(sprite->isDelayed());
    sprite->moveTo(20, 0, 2);
    for (int32_t frame = 101; frame < 110; ++frame) {
        step(*sprite, frame);
        ASSERT_EQ(sprite->getX(), 0) << "frame " << frame;
    }
    step(*sprite, 110);
    EXPECT_EQ(sprite->getX(), 10);
    EXPECT_FALSE(sprite->isDelayed());
}

TEST(SpriteDelay, ADelayBeforeTheFirstUpdateCountsFromThatUpdate)
{
    lang::Ref<BoundsSprite> sprite = pointSprite();
    sprite->setDelay(3);
    sprite->moveTo(5, 0, 1);
    step(*sprite, 5000);
    step(*sprite, 5001);
    EXPECT_EQ(sprite->getX(), 0);
    step(*sprite, 5002);
    EXPECT_EQ(sprite->getX(), 5);
}

TEST(SpriteDelay, HeldSpritesWaitUntilReleased)
{
    lang::Ref<BoundsSprite> sprite = pointSprite();
    sprite->moveTo(4, 0, 1);
    sprite->setDelayed(true);
    for (int32_t frame = 1; frame < 50; ++frame)
        step(*sprite, frame);
    EXPECT_EQ(sprite->getX(), 0);
    sprite->setDelayed(false);
    step(*sprite, 50);
    EXPECT_EQ(sprite->getX(), 4);
}

TEST(SpriteAnchor, GetAndSetFollowTheAnchor)
{
    lang::Ref<BoundsSprite> sprite = lang::adopt(new BoundsSprite(10, 20, 30, 40));
    EXPECT_EQ(sprite->getX(), 10);
    EXPECT_EQ(sprite->getY(), 20);
    EXPECT_EQ(sprite->getReferenceX(), 25);
    EXPECT_EQ(sprite->getReferenceY(), 40);
    sprite->setAnchor(SpriteBase::AnchorRight | SpriteBase::AnchorBottom);
    EXPECT_EQ(sprite->getX(), 40);
    EXPECT_EQ(sprite->getY(), 60);
    sprite->setLocation(100, 100);
    EXPECT_EQ(sprite->getBounds().x, 70);
    EXPECT_EQ(sprite->getBounds().y, 60);
    // Anything else counts as the reference point.
    sprite->setAnchor(0x33);
    EXPECT_EQ(sprite->getX(), 85);
    EXPECT_EQ(sprite->getY(), 80);
}

TEST(SpriteAnchor, AResizeKeepsTheAnchoredPoint)
{
    lang::Ref<BoundsSprite> sprite = lang::adopt(new BoundsSprite(10, 10, 20, 10));
    sprite->moveTo(50, 10, 4);
    sprite->setSize(41, 7);
    EXPECT_EQ(sprite->getBounds().x, 10);
    EXPECT_EQ(sprite->getBounds().y, 10);
    EXPECT_EQ(sprite->getBoundsWidth(), 41);
    EXPECT_EQ(sprite->getReferenceX(), 30);
    // A size change does not cut a running motion short.
    EXPECT_EQ(sprite->getMoveFrames(), 4);
}

TEST(SpriteBounds, RotationAndScaleWidenTheBox)
{
    lang::Ref<window::ImageBase> picture = spritetest::makeImage(20, 10, [](int32_t, int32_t) { return 0xFFFFFFFFu; });
    lang::Ref<ImageSprite> sprite = lang::adopt(new ImageSprite(picture.get(), 100, 100));
    EXPECT_EQ(sprite->getBounds().x, 90);
    EXPECT_EQ(sprite->getBounds().y, 95);

    sprite->setRotation(90);
    const util::RectangleNM& turned = sprite->getBounds();
    EXPECT_EQ(turned.x, 95);
    EXPECT_EQ(turned.y, 90);
    EXPECT_EQ(turned.width, 10);
    EXPECT_EQ(turned.height, 20);

    sprite->setRotation(0);
    sprite->setScale(2.0);
    EXPECT_EQ(sprite->getBounds().x, 80);
    EXPECT_EQ(sprite->getBounds().width, 40);
    EXPECT_EQ(sprite->getBounds().height, 20);

    sprite->setScale(1.0);
    sprite->setRotation(45);
    // Corners at +-10, +-5 turned by 45 degrees reach +-10.61 both ways.
    EXPECT_EQ(sprite->getBounds().x, 89);
    EXPECT_EQ(sprite->getBounds().width, 22);
    EXPECT_EQ(sprite->getBounds().height, 22);

    sprite->setScale(-2.0);
    EXPECT_EQ(sprite->getScaleX(), 0.0);
    EXPECT_EQ(sprite->getScaleY(), 0.0);
}

TEST(SpriteBounds, TheClipCutsBoundsAndHits)
{
    lang::Ref<BoundsSprite> sprite = lang::adopt(new BoundsSprite(0, 0, 100, 100));
    util::RectangleNM clip(50, 0, 100, 20);
    sprite->setClip(&clip);
    EXPECT_EQ(sprite->getBounds().x, 50);
    EXPECT_EQ(sprite->getBounds().width, 50);
    EXPECT_EQ(sprite->getBounds().height, 20);
    EXPECT_TRUE(sprite->contains(60, 10));
    EXPECT_FALSE(sprite->contains(10, 10));
    EXPECT_FALSE(sprite->contains(60, 30));
}

TEST(SpriteState, DirtyFollowsChangesOfVisibleSpritesAndVisibility)
{
    lang::Ref<BoundsSprite> sprite = lang::adopt(new BoundsSprite(0, 0, 10, 10));
    step(*sprite, 1);
    EXPECT_FALSE(step(*sprite, 2));
    sprite->moveBy(1, 0);
    EXPECT_TRUE(step(*sprite, 3));
    EXPECT_FALSE(step(*sprite, 4));
    sprite->setVisible(false);
    EXPECT_TRUE(step(*sprite, 5));
    sprite->moveBy(1, 0);
    sprite->setAlpha(3);
    EXPECT_FALSE(step(*sprite, 6)) << "a hidden sprite's changes are not drawn";
    sprite->setVisible(true);
    EXPECT_TRUE(step(*sprite, 7));
}

TEST(SpriteState, ACopySharesTheActionAndStartsUnfinished)
{
    lang::Ref<ActionLog> log = lang::adopt(new ActionLog);
    lang::Ref<BoundsSprite> sprite = lang::adopt(new BoundsSprite(5, 6, 7, 8));
    sprite->setName("original");
    sprite->setListener(log.get(), lang::String("moved"));
    sprite->moveTo(50, 6, 2);
    lang::Object* action = sprite->getAction();
    const int32_t referencesBefore = action->getRefCount();
    lang::Ref<SpriteBase> copy = lang::adopt(sprite->duplicate());
    EXPECT_EQ(copy->getAction(), action);
    EXPECT_EQ(action->getRefCount(), referencesBefore + 1);
    EXPECT_TRUE(copy->getName().isEmpty());
    EXPECT_EQ(copy->getBounds().x, 5);
    EXPECT_EQ(copy->getBoundsWidth(), 7);
    step(*copy, 1);
    step(*copy, 2);
    EXPECT_EQ(copy->getX(), 50);
    EXPECT_EQ(log->sources.size(), 1u);
    EXPECT_EQ(log->sources[0], copy.get());
    EXPECT_EQ(sprite->getX(), 5);
}

TEST(SpriteState, CornerColoursLastUntilTheNextColour)
{
    lang::Ref<BoundsSprite> sprite = lang::adopt(new BoundsSprite(0, 0, 1, 1));
    const uint32_t corners[4] = {0xFF000001u, 0xFF000002u, 0xFF000003u, 0xFF000004u};
    sprite->setCornerColors(corners);
    EXPECT_EQ(sprite->getCornerColor(2), 0xFF000003u);
    sprite->setColor(255, 1, 2, 3);
    EXPECT_EQ(sprite->getColor(), 0xFF010203u);
    EXPECT_EQ(sprite->getCornerColor(2), 0xFF010203u);
}
