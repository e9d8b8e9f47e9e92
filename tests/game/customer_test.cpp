// Customers: the wish text in the bubble, the pictures that fit the bubble, which items they
// want, the hint picture, the jiggle, faces, and the parts following their walk.
#include "game/shop/Customer.h"

#include "sprite/NewFontSprite.h"
#include "sprite/text_test_support.h"
#include "util/Region.h"

#include <gtest/gtest.h>

namespace {

using lang::Ref;

constexpr int32_t BubbleWidth = 140;
constexpr int32_t BubbleHeight = 100;

Ref<window::PixelImage> picture(int32_t width, int32_t height)
{
    Ref<window::PixelImage> image = lang::adopt(new window::PixelImage(width, height));
    std::fill(image->getPixels(), image->getPixels() + width * height, 0xFF336699u);
    return image;
}

class Customers : public ::testing::Test {
protected:
    void SetUp() override
    {
        bubble = lang::adopt(new sprite::ImageSprite(picture(BubbleWidth, BubbleHeight).get(), 0, 0));
        faces = lang::adopt(new sprite::AnimateSprite);
        faces->setImage(picture(4 * 80, 2 * 90).get(), 4, 2);
        text_testing::TestFont font = text_testing::makeMonospaceFont(10, 14);
        label = lang::adopt(new sprite::NewFontSprite(font.sheet.get(), font.metrics.get()));
        bubble->setVisible(false);
        faces->setVisible(false);
        label->setVisible(false);
        Customer::setTemplates(bubble.get(), faces.get(), label.get());
    }
    void TearDown() override { Customer::clearTemplates(); }

    Ref<sprite::ShopItemSprite> item(int32_t width, int32_t height)
    {
        Ref<sprite::ShopItemSprite> sprite = lang::adopt(new sprite::ShopItemSprite);
        sprite->setImage(picture(width, height).get());
        return sprite;
    }
    static std::string labelOf(Customer& customer)
    {
        return static_cast<sprite::NewFontSprite*>(customer.getLabel())->getText().c_str();
    }
    static void frames(Customer& customer, int32_t count)
    {
        util::RectangleNM bounds;
        util::Region region;
        for (int32_t i = 0; i < count; ++i)
            customer.update(++frameNo, bounds, region);
    }
    static inline int32_t frameNo = 0;

    Ref<sprite::ImageSprite> bubble;
    Ref<sprite::AnimateSprite> faces;
    Ref<sprite::NewFontSprite> label;
};

TEST_F(Customers, TheLabelCountsDownTheItemsStillToCome)
{
    EXPECT_STREQ(Customer::labelText("box*boxes:2", 3).c_str(), "3 boxes");
    EXPECT_STREQ(Customer::labelText("box*boxes:2", 1).c_str(), "box");
    EXPECT_STREQ(Customer::labelText("cup:3", 2).c_str(), "2 cups");
    EXPECT_STREQ(Customer::labelText("pen", 2).c_str(), "2 pens");
    EXPECT_STREQ(Customer::labelText("fish*fish", 4).c_str(), "4 fish");

    Ref<sprite::ShopItemSprite> a = item(20, 20), b = item(20, 20), c = item(20, 20);
    Customer customer(nullptr, 2);
    customer.setWish({a.get(), b.get(), c.get()}, 3, "box*boxes:2");
    EXPECT_EQ(customer.getType(), 2);
    EXPECT_EQ(labelOf(customer), "3 boxes");
    customer.showWish();
    EXPECT_TRUE(customer.getLabel()->isVisible());
    customer.itemChosen(a.get());
    EXPECT_EQ(labelOf(customer), "3 boxes"); // counts what has not arrived
    customer.itemArrived();
    EXPECT_EQ(labelOf(customer), "2 boxes");
    customer.itemChosen(b.get());
    customer.itemArrived();
    EXPECT_EQ(labelOf(customer), "box");
    customer.itemChosen(c.get());
    customer.itemArrived();
    EXPECT_EQ(customer.remainingItems(), 0);

    // A long name wraps at 110 pixels (11 characters of this font), centred on the bubble.
    Customer wordy(nullptr, 0);
    wordy.setWish({a.get()}, 1, "jar of golden honey:1");
    EXPECT_EQ(labelOf(wordy), "jar of\ngolden\nhoney");
    const util::RectangleNM area = wordy.getBubble()->getBounds();
    const util::RectangleNM text = wordy.getLabel()->getBounds();
    EXPECT_NEAR(text.x + text.width / 2, area.x + area.width / 2 - 3, 1);
    EXPECT_NEAR(text.y + text.height / 2, area.y + area.height / 2 - 4, 1);
}

TEST_F(Customers, PicturesFitTheBubbleAndOnlyWishedItemsAreWanted)
{
    EXPECT_DOUBLE_EQ(Customer::pictureScale(140, 100, 300, 60), 0.4);
    EXPECT_DOUBLE_EQ(Customer::pictureScale(140, 100, 100, 160), 0.5);
    EXPECT_DOUBLE_EQ(Customer::pictureScale(140, 100, 50, 40), 1.0);

    Ref<sprite::ShopItemSprite> big = item(300, 60), small = item(50, 40), other = item(50, 40);
    Customer customer(nullptr, 0);
    customer.setWish({big.get(), small.get()}, 1, "cake");
    ASSERT_EQ(customer.candidateCount(), 2);
    EXPECT_DOUBLE_EQ(customer.getCandidate(0)->getScaleX(), 0.4);
    EXPECT_DOUBLE_EQ(customer.getCandidate(1)->getScaleX(), 1.0);
    EXPECT_FALSE(customer.getCandidate(0)->isVisible());
    const util::RectangleNM area = customer.getBubble()->getBounds();
    EXPECT_EQ(customer.getCandidate(1)->getReferenceX(), area.x + area.width / 2);
    EXPECT_EQ(customer.getCandidate(1)->getReferenceY(), area.y + area.height / 2);

    EXPECT_FALSE(customer.wants(small.get())); // not before the wish shows
    customer.showWish();
    EXPECT_TRUE(customer.getCandidate(0)->isVisible());
    EXPECT_EQ(customer.getCandidate(0)->getAlpha(), 0);
    EXPECT_TRUE(customer.wants(small.get()));
    EXPECT_FALSE(customer.wants(other.get()));
    customer.itemChosen(small.get());
    EXPECT_EQ(customer.candidateCount(), 1);
    EXPECT_FALSE(customer.getCandidate(0)->isVisible());
    EXPECT_FALSE(customer.wants(big.get())); // one was wanted and is on its way
    EXPECT_EQ(customer.remainingItems(), 1);
}

TEST_F(Customers, AHintShowsThePictureForAWhileThenTheLabel)
{
    Ref<sprite::ShopItemSprite> cake = item(40, 40);
    Customer customer(nullptr, 0);
    customer.setWish({cake.get()}, 1, "cake");
    customer.showWish();
    customer.showHint();
    sprite::ShopItemSprite* shown = customer.getCandidate(0);
    EXPECT_FALSE(customer.getLabel()->isVisible());
    frames(customer, Customer::HintFadeFrames);
    EXPECT_EQ(shown->getAlpha(), 128);
    frames(customer, 1 + Customer::HintHoldFrames);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_FALSE(customer.getLabel()->isVisible());
    frames(customer, 1 + Customer::HintFadeFrames);
    EXPECT_FALSE(shown->isVisible());
    EXPECT_TRUE(customer.getLabel()->isVisible());

    // Paused, the hint stands still.
    customer.showHint();
    customer.setPaused(true);
    frames(customer, 5);
    EXPECT_EQ(shown->getAlpha(), 0);
    customer.setPaused(false);
    frames(customer, Customer::HintFadeFrames);
    EXPECT_EQ(shown->getAlpha(), 128);
}

TEST_F(Customers, PartsFollowTheWalkAndTheJiggleEndsWhereItBegan)
{
    Ref<sprite::ShopItemSprite> cake = item(40, 40);
    Customer customer(nullptr, 0);
    customer.setWish({cake.get()}, 2, "cake");
    customer.setLocation(323, 601);
    const int32_t bubbleToFace = customer.getFace()->getY() - customer.getBubble()->getY();
    EXPECT_EQ(customer.getFace()->getX(), 323);
    customer.moveTo(323, 510, 25);
    customer.itemArrived(); // while walking: the jiggle waits for the walk
    frames(customer, 24);
    EXPECT_EQ(customer.getY(), 514);
    EXPECT_EQ(customer.getFace()->getY(), 514);
    EXPECT_EQ(customer.getFace()->getY() - customer.getBubble()->getY(), bubbleToFace);
    frames(customer, 1); // the walk ends and the jiggle takes its first step
    EXPECT_EQ(std::abs(customer.getX() - 323) + std::abs(customer.getY() - 510), 1);
    frames(customer, Customer::JiggleFrames - 1);
    EXPECT_EQ(customer.getX(), 323);
    EXPECT_EQ(customer.getY(), 510);
    EXPECT_EQ(customer.getFace()->getX(), 323);
}

TEST_F(Customers, NewCustomersTakeAFreeFace)
{
    EXPECT_EQ(Customer::faceCount(), 8);
    EXPECT_EQ(Customer::pickFace(3, {1, 5}), 3);
    EXPECT_EQ(Customer::pickFace(3, {3, 4}), 5);
    EXPECT_EQ(Customer::pickFace(6, {6, 7, 0}), 1);
    EXPECT_EQ(Customer::pickFace(2, {0, 1, 2, 3, 4, 5, 6, 7}), 2);
    Customer customer(nullptr, 5);
    EXPECT_EQ(customer.getFace()->getFrame(), 5);
    EXPECT_TRUE(customer.getFace()->isVisible());
}

} // namespace
