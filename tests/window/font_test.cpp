// Fonts: face names resolved to installed fonts, style bits, metrics, measuring, and the
// 65-level glyph bitmaps, measured and drawn from the same glyphs.
#include "lang/Ref.h"
#include "window/raster/ImageGraphics.h"
#include "window/raster/PixelImage.h"
#include "window/text/Font.h"
#include "window/text/FontMetrics.h"
#include "window/text/NullGlyphRasteriser.h"
#include "window/text/TextLayout.h"
#include "window/text/freetype/FreeTypeRasteriser.h"

#include <gtest/gtest.h>

#include <thread>

using lang::adopt;
using lang::Ref;
using lang::String;
using window::Font;
using window::FontMetrics;

TEST(Font, FaceNamesResolveToInstalledFonts)
{
    Ref<Font> arial = adopt(new Font("Arial", 0, 16));
    ASSERT_TRUE(arial->hasFace());
    EXPECT_EQ(arial->getInstalledFace(), String("Liberation Sans Regular"));
    Ref<Font> verdana = adopt(new Font("Verdana", 0, 16));
    EXPECT_TRUE(verdana->getInstalledFace().startsWith("DejaVu Sans"));
    EXPECT_EQ(String(Font::defaultFaceName), String("Arial"));
}

TEST(Font, StyleBitsChooseBoldItalicAndUnderline)
{
    Ref<Font> boldItalic = adopt(new Font("Arial", 3, 20));
    EXPECT_EQ(boldItalic->getInstalledFace(), String("Liberation Sans Bold Italic"));
    EXPECT_EQ(boldItalic->getTextMetrics().weight, 700);
    EXPECT_TRUE(boldItalic->getTextMetrics().italic);
    EXPECT_FALSE(boldItalic->getTextMetrics().underlined);

    Ref<Font> underlined = adopt(new Font("Arial", 4, 20));
    EXPECT_EQ(underlined->getInstalledFace(), String("Liberation Sans Regular"));
    EXPECT_EQ(underlined->getTextMetrics().weight, 400);
    EXPECT_FALSE(underlined->getTextMetrics().italic);
    EXPECT_TRUE(underlined->getTextMetrics().underlined);

    // Bold strokes are wider: the stem of an "l" holds more ink.
    Ref<Font> regular = adopt(new Font("Arial", 0, 20));
    Ref<Font> bold = adopt(new Font("Arial", 1, 20));
    auto ink = [](const window::GlyphBitmap* glyph) {
        int32_t sum = 0;
        for (uint8_t level : glyph->levels)
            sum += level;
        return sum;
    };
    EXPECT_GT(ink(bold->getGlyph('l')), ink(regular->getGlyph('l')) * 5 / 4);
}

TEST(Font, PixelSizeIsTheCharacterHeight)
{
    // The em of the face is the size: ascent and descent of a 2048-unit face with 1854 and 434
    // units above and below the baseline, rounded outward.
    Ref<Font> font = adopt(new Font("Arial", 0, 32));
    const window::TextMetrics& m = font->getTextMetrics();
    EXPECT_EQ(m.ascent, 29);
    EXPECT_EQ(m.descent, 7);
    EXPECT_EQ(m.height, 36);
    EXPECT_EQ(m.internalLeading, 4);
    // A capital H is about 0.69 em tall.
    const window::GlyphBitmap* h = font->getGlyph('H');
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->originY, h->height);
    EXPECT_NEAR(h->height, 22, 1);
}

TEST(FontMetrics, MeasuresWithTheFontsOwnGlyphs)
{
    Ref<Font> font = adopt(new Font("Verdana", 0, 14));
    Ref<FontMetrics> first = adopt(font->getFontMetrics());
    Ref<FontMetrics> second = adopt(font->getFontMetrics());
    EXPECT_EQ(first.get(), second.get());
    EXPECT_EQ(first->getAscent(), font->getTextMetrics().ascent);
    EXPECT_EQ(first->getDescent(), font->getTextMetrics().descent);

    EXPECT_EQ(first->charsWidth("abc", 0, 0), 0);
    EXPECT_EQ(first->charsWidth("abc", 1, -2), 0);
    EXPECT_EQ(first->charsWidth("abc", 1, 2), font->getGlyph('b')->cellAdvance + font->getGlyph('c')->cellAdvance);
    int32_t width = -1, height = -1;
    first->stringSize("", width, height);
    EXPECT_EQ(width, 0);
    EXPECT_EQ(height, 0);
    first->stringSize("Wide", width, height);
    EXPECT_EQ(width, first->charsWidth("Wide", 0, 4));
    EXPECT_EQ(height, font->getTextMetrics().height);
    EXPECT_EQ(first->stringWidth("Wide"), width);
    EXPECT_GT(first->stringWidth("WWW"), first->stringWidth("iii"));
}

TEST(Font, GlyphBitmapsHave65LevelsAndPaddedRows)
{
    Ref<Font> font = adopt(new Font("Arial", 0, 32));
    const window::GlyphBitmap* l = font->getGlyph('l');
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->pitch % 4, 0);
    EXPECT_GE(l->pitch, l->width);
    uint8_t highest = 0;
    for (uint8_t level : l->levels)
        highest = std::max(highest, level);
    EXPECT_EQ(highest, 64);

    // A space has no bitmap but an advance; the euro sign of Windows-1252 is drawn.
    const window::GlyphBitmap* space = font->getGlyph(' ');
    ASSERT_NE(space, nullptr);
    EXPECT_TRUE(space->isEmpty());
    EXPECT_GT(space->cellAdvance, 0);
    const window::GlyphBitmap* euro = font->getGlyph(0x80);
    ASSERT_NE(euro, nullptr);
    EXPECT_FALSE(euro->isEmpty());
    // The same glyph object comes back: glyphs are made once.
    EXPECT_EQ(font->getGlyph('l'), l);
}

TEST(Font, DrawnTextStaysWithinItsMeasuredWidth)
{
    Ref<Font> font = adopt(new Font("Arial", 0, 20));
    Ref<FontMetrics> metrics = adopt(font->getFontMetrics());
    Ref<window::PixelImage> image = adopt(new window::PixelImage(200, 40));
    window::ImageGraphics g(image.get());
    g.setFont(font.get());
    g.setColor(0xFFFFFFFFu);
    g.drawString("Mixed text", 10, 30);
    int32_t left = 200, right = -1, top = 40, bottom = -1;
    for (int32_t y = 0; y < 40; ++y) {
        for (int32_t x = 0; x < 200; ++x) {
            if (image->getPixels()[y * 200 + x] >> 24) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    ASSERT_GE(right, 0);
    EXPECT_GE(left, 10);
    EXPECT_LT(right, 10 + metrics->stringWidth("Mixed text"));
    EXPECT_GE(top, 30 - metrics->getAscent());
    EXPECT_LT(bottom, 30 + metrics->getDescent());
}

TEST(Font, MeasuringFromSeveralThreads)
{
    Ref<Font> font = adopt(new Font("Verdana", 1, 18));
    int32_t widths[4] = {};
    std::thread threads[4];
    for (int i = 0; i < 4; ++i) {
        threads[i] = std::thread([&, i] {
            Ref<FontMetrics> metrics = adopt(font->getFontMetrics());
            for (int repeat = 0; repeat < 50; ++repeat)
                widths[i] = metrics->stringWidth("Concurrent measuring \xE9\xE8");
        });
    }
    for (std::thread& t : threads)
        t.join();
    EXPECT_GT(widths[0], 0);
    for (int i = 1; i < 4; ++i)
        EXPECT_EQ(widths[i], widths[0]);
}

// Programs without installed fonts measure and draw every character as the same box.
class NullFonts : public ::testing::Test {
protected:
    void SetUp() override
    {
        window::GlyphRasteriser::install(std::make_unique<window::NullGlyphRasteriser>());
    }
    void TearDown() override
    {
        window::GlyphRasteriser::install(std::make_unique<window::FreeTypeRasteriser>());
    }
};

TEST_F(NullFonts, MeasureAndDrawFixedWidthBoxes)
{
    Ref<Font> font = adopt(new Font("Any Face", Font::STYLE_BOLD, 20));
    ASSERT_TRUE(font->hasFace());
    Ref<FontMetrics> metrics = adopt(font->getFontMetrics());
    EXPECT_EQ(metrics->getAscent(), 16);
    EXPECT_EQ(metrics->getDescent(), 4);
    EXPECT_EQ(font->getTextMetrics().weight, 700);
    EXPECT_EQ(metrics->stringWidth("Wide iii"), 8 * 10);
    EXPECT_EQ(metrics->stringWidth("\t"), 0);
    EXPECT_EQ(window::fitWithEllipsis("abcdefgh", 60, *metrics), String("abc..."));

    Ref<window::PixelImage> image = adopt(new window::PixelImage(60, 40));
    window::ImageGraphics g(image.get());
    g.setFont(font.get());
    g.setColor(0xFFFFFFFFu);
    g.drawString("a b", 10, 30);
    auto inked = [&](int32_t x, int32_t y) { return (image->getPixels()[y * 60 + x] >> 24) != 0; };
    // "a" fills columns 10..18 and rows 14..29 (the ascent above the baseline); the space is
    // empty and "b" starts one advance after it.
    EXPECT_TRUE(inked(10, 14) && inked(18, 29));
    EXPECT_FALSE(inked(10, 13) || inked(10, 30) || inked(19, 20) || inked(25, 20));
    EXPECT_TRUE(inked(30, 20) && inked(38, 20));
    EXPECT_FALSE(inked(39, 20));
}
