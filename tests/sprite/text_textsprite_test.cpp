// TextSprite: its size from the font, the anchors of its alignments, the pre-rendered picture
// with 65 grey levels turned into alpha, its reuse, and the caret.
#include "sprite/TextSprite.h"

#include "util/Region.h"
#include "window/raster/Graphics.h"
#include "window/raster/PixelImage.h"
#include "window/text/FontMetrics.h"

#include <gtest/gtest.h>

using lang::adopt;
using lang::Ref;
using sprite::TextSprite;

namespace {

class TextSpriteTest : public ::testing::Test {
protected:
    TextSpriteTest()
        : font(adopt(new window::Font("DejaVu Sans", 0, 20))), metrics(adopt(font->getFontMetrics())),
          text(adopt(new TextSprite("Hello", font.get(), false, false)))
    {
    }

    Ref<window::Font> font;
    Ref<window::FontMetrics> metrics;
    Ref<TextSprite> text;
};

} // namespace

TEST_F(TextSpriteTest, SizeIsTheStringWidthAndFontHeightWithMargins)
{
    ASSERT_GT(metrics->stringWidth("Hello"), 0);
    EXPECT_EQ(text->getWidth(), metrics->stringWidth("Hello") + 4);
    EXPECT_EQ(text->getHeight(), metrics->getHeight() + 2);
    text->setCaretShown(true);
    EXPECT_EQ(text->getWidth(), metrics->stringWidth("Hello") + 4 + metrics->stringWidth("|"));
    text->setText("");
    EXPECT_EQ(text->getWidth(), 4 + metrics->stringWidth("|"));
    text->setCaretShown(false);
    EXPECT_EQ(text->getWidth(), 0);
    EXPECT_EQ(text->getHeight(), 0);
    EXPECT_FALSE(text->isDrawable());
}

TEST_F(TextSpriteTest, AlignmentsAnchorTheBottomRow)
{
    text->setLocation(300, 100);
    EXPECT_EQ(text->getAnchor(), 0x14);
    EXPECT_EQ(text->getBounds().y + text->getBounds().height, 100);
    EXPECT_EQ(text->getBounds().x, 300);
    text->setAlignment(1);
    EXPECT_EQ(text->getAnchor(), 0x24);
    EXPECT_EQ(text->getX(), 300);
    text->setAlignment(2);
    EXPECT_EQ(text->getAnchor(), 0x44);
    EXPECT_EQ(text->getBounds().x + text->getBounds().width, 300);
    text->setText("Hello there");
    EXPECT_EQ(text->getBounds().x + text->getBounds().width, 300);
}

TEST_F(TextSpriteTest, PrerenderedPictureTurnsGreyLevelsIntoAlpha)
{
    text->setTextColor(0xFF336699u);
    text->prerender();
    window::ImageBase* picture = text->getCachedPicture();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->getWidth(), text->getWidth());
    EXPECT_EQ(picture->getHeight(), text->getHeight());
    // Every pixel carries the text colour; alpha is 0 or 4 x level - 1.
    int32_t inked = 0;
    bool fullSeen = false;
    const uint32_t* pixels = picture->getPixels();
    for (int32_t i = 0; i < picture->getWidth() * picture->getHeight(); ++i) {
        EXPECT_EQ(pixels[i] & 0xFFFFFFu, 0x336699u);
        const uint32_t alpha = pixels[i] >> 24;
        if (alpha != 0) {
            ++inked;
            EXPECT_EQ((alpha + 1) % 4, 0u) << "alpha " << alpha;
        }
        fullSeen = fullSeen || alpha == 255;
    }
    EXPECT_TRUE(fullSeen);
    // As many inked pixels as the glyphs have levels above 0 ("l" twice).
    int32_t levels = 0;
    for (const char c : std::string("Hello")) {
        const window::GlyphBitmap* glyph = font->getGlyph(static_cast<uint8_t>(c));
        ASSERT_NE(glyph, nullptr);
        for (int32_t y = 0; y < glyph->height; ++y)
            for (int32_t x = 0; x < glyph->width; ++x)
                levels += glyph->level(x, y) != 0 ? 1 : 0;
    }
    EXPECT_EQ(inked, levels);
}

TEST_F(TextSpriteTest, PictureOfTheSameSizeIsReused)
{
    text->setText("ab");
    text->prerender();
    window::ImageBase* first = text->getCachedPicture();
    text->setText("ba");
    ASSERT_EQ(text->getWidth(), first->getWidth());
    text->prerender();
    EXPECT_EQ(text->getCachedPicture(), first);
    text->setText("a much longer text");
    text->prerender();
    EXPECT_EQ(text->getCachedPicture()->getWidth(), text->getWidth());
}

TEST_F(TextSpriteTest, ShadowStyleDrawsThroughTheTargetWithoutAPicture)
{
    Ref<TextSprite> shadowed = adopt(new TextSprite("Hi", font.get(), true, false));
    shadowed->setLocation(10, 40);
    shadowed->setTextColor(0xFFFFFFFFu);
    shadowed->setShadowColor(0xFF000000u);
    Ref<window::PixelImage> target = adopt(new window::PixelImage(80, 50));
    std::fill_n(target->getPixels(), 80 * 50, 0xFF808080u);
    Ref<window::Graphics> graphics = adopt(target->getGraphics());
    shadowed->render(graphics.get());
    EXPECT_EQ(shadowed->getCachedPicture(), nullptr);
    int32_t white = 0;
    int32_t black = 0;
    for (int32_t i = 0; i < 80 * 50; ++i) {
        white += target->getPixels()[i] == 0xFFFFFFFFu ? 1 : 0;
        black += target->getPixels()[i] == 0xFF000000u ? 1 : 0;
    }
    EXPECT_GT(white, 10);
    EXPECT_GT(black, 10);
}

TEST_F(TextSpriteTest, BoxedPictureFillsTheBoundsFirst)
{
    Ref<TextSprite> boxed = adopt(new TextSprite("Hi", font.get(), false, true));
    boxed->setShadowColor(0xFF102030u);
    boxed->setLocation(0, 40);
    Ref<window::PixelImage> target = adopt(new window::PixelImage(80, 50));
    Ref<window::Graphics> graphics = adopt(target->getGraphics());
    boxed->render(graphics.get());
    const util::RectangleNM& bounds = boxed->getBounds();
    EXPECT_EQ(target->getPixels()[bounds.y * 80 + bounds.x], 0xFF102030u);
    EXPECT_EQ(target->getPixels()[(bounds.y + bounds.height - 1) * 80 + bounds.x + bounds.width - 1], 0xFF102030u);
    EXPECT_EQ(target->getPixels()[(bounds.y - 1) * 80 + bounds.x], 0u);
}

TEST_F(TextSpriteTest, CaretBlinksEveryTwentyFrames)
{
    text->setCaretShown(true);
    util::RectangleNM bounds;
    util::Region dirty;
    text->update(19, bounds, dirty);
    EXPECT_TRUE(text->isCaretBlinkOn());
    text->update(20, bounds, dirty);
    EXPECT_FALSE(text->isCaretBlinkOn());
    text->update(40, bounds, dirty);
    EXPECT_TRUE(text->isCaretBlinkOn());
}
