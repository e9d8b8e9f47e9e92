// The picture generator's building blocks: exact PNG round trips (the metrics pictures
// depend on it), shapes, resizing and the baked fonts.
#include "FontSheet.h"
#include "Png.h"
#include "Raster.h"
#include "Style.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace contentgen;

TEST(Png, StraightRgbaRoundTripIsExact)
{
    std::vector<uint8_t> rgba;
    for (int i = 0; i < 7 * 5; ++i)
        rgba.insert(rgba.end(), {uint8_t(i * 7), uint8_t(255 - i), uint8_t(i * 3), uint8_t(i % 4 == 0 ? 0 : i * 5)});
    int w = 0, h = 0;
    std::vector<uint8_t> back;
    ASSERT_TRUE(decodePng(encodePng(7, 5, rgba), w, h, back));
    EXPECT_EQ(w, 7);
    EXPECT_EQ(h, 5);
    EXPECT_EQ(back, rgba);
}

TEST(Png, RefusesWhatIsNotAPng)
{
    int w = 0, h = 0;
    std::vector<uint8_t> rgba;
    EXPECT_FALSE(decodePng({0x89, 'P', 'N', 'G', 0, 0, 0, 0, 0}, w, h, rgba));
    std::vector<uint8_t> truncated = encodePng(4, 4, std::vector<uint8_t>(64, 200));
    truncated.resize(truncated.size() / 2);
    EXPECT_FALSE(decodePng(truncated, w, h, rgba));
}

TEST(FontMetrics, IntegersSurviveThePictureBitForBit)
{
    std::vector<int32_t> metrics(256 * 6);
    for (size_t i = 0; i < metrics.size(); ++i)
        metrics[i] = int32_t(i * 977) - 5000; // negative, small and large values
    metrics[5] = INT32_MIN;
    metrics[6] = INT32_MAX;
    int w = 0, h = 0;
    std::vector<uint8_t> rgba;
    ASSERT_TRUE(decodePng(encodePng(6, 256, metricsRgba(metrics)), w, h, rgba));
    ASSERT_EQ(w * h, 256 * 6);
    for (size_t i = 0; i < metrics.size(); ++i) {
        const uint8_t* p = &rgba[i * 4];
        const int32_t argb = int32_t(uint32_t(p[3]) << 24 | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2]);
        ASSERT_EQ(argb, metrics[i]) << "integer " << i;
    }
}

TEST(FontBaking, GlyphCellsFitTheSheetAndFollowTheLayoutRules)
{
    TextLook look;
    look.outline = 2;
    const BakedFont font = bakeFont(style::bodyFont, 16, look, 0);
    ASSERT_EQ(font.metrics.size(), 256u * 6);
    for (int g = 0; g < 224; ++g) {
        const int32_t* m = &font.metrics[size_t(g) * 6];
        EXPECT_GE(m[0], 0);
        EXPECT_LE(m[0] + m[2], font.sheet.width()) << "glyph " << g;
        EXPECT_LE(m[1] + m[3], font.sheet.height()) << "glyph " << g;
        EXPECT_EQ(m[3], font.lineHeight);
        EXPECT_EQ(m[4], 0);
    }
    // The fourth number of the table is the line height; wide letters advance further.
    EXPECT_EQ(font.metrics[3], font.lineHeight);
    EXPECT_GT(font.metrics[('W' - 32) * 6 + 5], font.metrics[('i' - 32) * 6 + 5]);
    // Codes 256 to 287 never occur in 8-bit text and stay empty.
    EXPECT_EQ(font.metrics[230 * 6 + 2], 0);
}

TEST(FontBaking, Windows1252HighCodesMapToTheirCharacters)
{
    EXPECT_EQ(cp1252ToUnicode(0x80), 0x20ACu);
    EXPECT_EQ(cp1252ToUnicode(0x85), 0x2026u);
    EXPECT_EQ(cp1252ToUnicode(0x81), 0u);
    EXPECT_EQ(cp1252ToUnicode(0xE9), 0xE9u);
    EXPECT_EQ(cp1252ToUnicode('A'), uint32_t('A'));
}

TEST(Shapes, DistancesAndCoverage)
{
    const Shape box = roundedRect(10, 10, 40, 20, 5);
    EXPECT_LT(box(30, 20), 0.0f);
    EXPECT_NEAR(box(30, 5), 5.0f, 1e-4f);
    EXPECT_GT(box(10.5f, 10.5f), 0.0f); // the rounded corner is cut away
    const Mask disc = shapeMask(64, 64, circle(32, 32, 20));
    double area = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            area += disc.at(x, y);
    EXPECT_NEAR(area, 3.14159265358979 * 400.0, 400.0 * 0.01);
}

TEST(Shapes, StarAndPolygonInsideTests)
{
    const Shape s = star(50, 50, 40, 20, 5, 0);
    EXPECT_LT(s(50, 50), 0.0f);
    EXPECT_LT(s(50, 14), 0.0f);   // the top point
    EXPECT_GT(s(50, 95), 0.0f);   // between the two lower points
    const Shape tri = polygon({{0, 0}, {10, 0}, {0, 10}});
    EXPECT_LT(tri(2, 2), 0.0f);
    EXPECT_GT(tri(8, 8), 0.0f);
}

TEST(Resize, AreaAveragingKeepsTheMeanColour)
{
    Picture checker(8, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            checker.ref(x, y) = (x + y) % 2 ? Rgba{1, 1, 1, 1} : Rgba{0, 0, 0, 1};
    const Picture half = resized(checker, 4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            EXPECT_NEAR(half.at(x, y).r, 0.5f, 1e-5f);
            EXPECT_NEAR(half.at(x, y).a, 1.0f, 1e-5f);
        }
}

TEST(Raster, PaintingThroughAMaskBlendsSourceOver)
{
    Picture p(2, 1);
    Mask full(2, 1);
    full.ref(0, 0) = 1.0f;
    full.ref(1, 0) = 0.5f;
    p.fill(full, solid(Color::hex(0xFF0000)));
    p.fill(full, solid(Color::hex(0x0000FF, 0.5f)));
    EXPECT_NEAR(p.at(0, 0).r, 0.5f, 1e-6f);
    EXPECT_NEAR(p.at(0, 0).b, 0.5f, 1e-6f);
    EXPECT_NEAR(p.at(0, 0).a, 1.0f, 1e-6f);
    EXPECT_NEAR(p.at(1, 0).a, 0.5f + 0.25f * 0.5f, 1e-6f);
    const std::vector<uint8_t> bytes = toRgba8(p);
    EXPECT_EQ(bytes[3], 255);
    EXPECT_EQ(bytes[0], 128); // straight colour back from premultiplied
}
