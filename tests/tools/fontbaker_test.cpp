// The font baker: the sheet's layout, the metrics picture read back bit for bit by the text
// sprites' reader, a baked font laid out by a text sprite, and the command's output against the
// content generator's.
#include "FontBaker.h"
#include "FontSheet.h"
#include "GlyphRasterizer.h"
#include "Png.h"

#include "lang/Ref.h"
#include "sprite/NewFontSprite.h"
#include "sprite/text/GlyphFace.h"
#include "support/TempFolder.h"
#include "window/raster/PixelImage.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

using lang::adopt;
using lang::Ref;

namespace {

const char* const BodyFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const char* const BoldFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

fontbaker::BakeRequest request(const char* font, int size, int padding)
{
    fontbaker::BakeRequest made;
    made.fontPath = font;
    made.pixelSize = size;
    made.padding = padding;
    return made;
}

const int32_t* entryOf(const fontbaker::GlyphAtlas& atlas, int code)
{
    return &atlas.metrics[static_cast<size_t>((code - 32) & 255) * fontbaker::IntsPerGlyph];
}

Ref<window::PixelImage> decoded(const std::vector<uint8_t>& png)
{
    return adopt(new window::PixelImage(png.data(), static_cast<int32_t>(png.size())));
}

std::vector<uint8_t> readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int runBaker(const std::string& arguments)
{
    const int status = std::system((std::string(KIPTO2_FONTBAKER) + " " + arguments + " 2>/dev/null").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST(FontBaker, CodesOfTheCodePage)
{
    EXPECT_EQ(fontbaker::unicodeOfCode('A'), uint32_t('A'));
    EXPECT_EQ(fontbaker::unicodeOfCode(0x80), 0x20ACu);
    EXPECT_EQ(fontbaker::unicodeOfCode(0x85), 0x2026u);
    EXPECT_EQ(fontbaker::unicodeOfCode(0x9F), 0x0178u);
    EXPECT_EQ(fontbaker::unicodeOfCode(0xE9), 0xE9u);
    for (const uint8_t gap : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(fontbaker::unicodeOfCode(gap), 0u) << int(gap);
}

TEST(FontBaker, CellsAreLinesHighAndDoNotOverlap)
{
    const fontbaker::GlyphAtlas atlas = fontbaker::bakeAtlas(request(BodyFont, 17, 2));
    const fontbaker::GlyphRasterizer font(BodyFont, 17);
    EXPECT_EQ(atlas.lineHeight, font.lineHeight() + 4);
    EXPECT_EQ(atlas.width, 512);
    EXPECT_EQ(atlas.coverage.size(), static_cast<size_t>(atlas.width) * atlas.height);
    for (int code = 32; code < 256; ++code) {
        const int32_t* cell = entryOf(atlas, code);
        EXPECT_GE(cell[0], 0);
        EXPECT_LE(cell[0] + cell[2], atlas.width) << code;
        EXPECT_LE(cell[1] + cell[3], atlas.height) << code;
        EXPECT_EQ(cell[3], atlas.lineHeight);
        EXPECT_EQ(cell[4], 0);
        EXPECT_GE(cell[2], cell[5] + 4) << code;
        for (int other = 32; other < code; ++other) {
            const int32_t* before = entryOf(atlas, other);
            const bool apart = before[1] != cell[1] || before[0] + before[2] <= cell[0] || cell[0] + cell[2] <= before[0];
            EXPECT_TRUE(apart) << other << " and " << code;
        }
    }
    // Codes 256 to 287 are left empty.
    for (int code = 256; code < 288; ++code)
        EXPECT_EQ(entryOf(atlas, code)[2], 0);
}

TEST(FontBaker, AdvancesAndTheStandInGlyph)
{
    fontbaker::BakeRequest wide = request(BodyFont, 20, 1);
    wide.extraAdvance = 3;
    const fontbaker::GlyphAtlas atlas = fontbaker::bakeAtlas(wide);
    const fontbaker::GlyphRasterizer font(BodyFont, 20);
    EXPECT_EQ(entryOf(atlas, 'W')[5], font.glyph('W').advance + 3);
    EXPECT_GT(entryOf(atlas, 'W')[5], entryOf(atlas, 'i')[5]);
    // A gap of the code page shows "?"; the ellipsis is a glyph of its own.
    EXPECT_EQ(entryOf(atlas, 0x81)[2], entryOf(atlas, '?')[2]);
    EXPECT_EQ(entryOf(atlas, 0x81)[5], entryOf(atlas, '?')[5]);
    EXPECT_EQ(entryOf(atlas, 0x85)[5], font.glyph(0x2026).advance + 3);
    // The space has no ink; "W" has some.
    auto inkIn = [&](int code) {
        const int32_t* cell = entryOf(atlas, code);
        int ink = 0;
        for (int y = cell[1]; y < cell[1] + cell[3]; ++y)
            for (int x = cell[0]; x < cell[0] + cell[2]; ++x)
                ink += atlas.coverage[static_cast<size_t>(y) * atlas.width + x] != 0 ? 1 : 0;
        return ink;
    };
    EXPECT_EQ(inkIn(' '), 0);
    EXPECT_GT(inkIn('W'), 20);
    EXPECT_THROW(fontbaker::bakeAtlas(request("/nonexistent/font.ttf", 12, 1)), std::runtime_error);
}

TEST(FontBaker, MetricsPictureReadsBackBitExact)
{
    const fontbaker::GlyphAtlas atlas = fontbaker::bakeAtlas(request(BoldFont, 14, 1));
    const std::vector<uint8_t> png = contentgen::encodePng(fontbaker::IntsPerGlyph, fontbaker::GlyphCount,
        fontbaker::metricsRgba(atlas.metrics));
    Ref<window::PixelImage> metrics = decoded(png);
    Ref<window::PixelImage> sheet = adopt(new window::PixelImage(atlas.width, atlas.height));
    const sprite::GlyphFace face(sheet.get(), metrics.get());
    for (int code = 32; code < 288; ++code) {
        const sprite::Glyph glyph = face.glyph(static_cast<uint8_t>(code));
        const int32_t* entry = entryOf(atlas, code);
        EXPECT_EQ(glyph.sourceX, entry[0]);
        EXPECT_EQ(glyph.sourceY, entry[1]);
        EXPECT_EQ(glyph.width, entry[2]);
        EXPECT_EQ(glyph.height, entry[3]);
        EXPECT_EQ(glyph.leftOffset, entry[4]);
        EXPECT_EQ(glyph.advance, entry[5]);
    }
    EXPECT_EQ(face.lineHeight(), atlas.lineHeight);
    EXPECT_EQ(face.caretWidth(), entryOf(atlas, '_')[5]);
}

TEST(FontBaker, EveryIntegerSurvivesThePicture)
{
    std::vector<int32_t> values(fontbaker::GlyphCount * fontbaker::IntsPerGlyph, 0);
    const int32_t awkward[] = {-1, INT_MIN, INT_MAX, 0x00FF00FF, static_cast<int32_t>(0x80000001u), 0x01000000, 255, -256};
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = awkward[i % std::size(awkward)] ^ static_cast<int32_t>(i * 2654435761u);
    Ref<window::PixelImage> picture = decoded(contentgen::encodePng(6, 256, fontbaker::metricsRgba(values)));
    ASSERT_EQ(picture->getWidth(), 6);
    ASSERT_EQ(picture->getHeight(), 256);
    for (size_t i = 0; i < values.size(); ++i)
        ASSERT_EQ(picture->getPixels()[i], static_cast<uint32_t>(values[i])) << i;
}

TEST(FontBaker, TextSpriteLaysOutABakedFont)
{
    const contentgen::BakedFont font = contentgen::bakeFont(BodyFont, 16, contentgen::TextLook{}, 0);
    Ref<window::PixelImage> sheet = decoded(contentgen::encodePng(font.sheet));
    Ref<window::PixelImage> metrics = decoded(contentgen::encodePng(6, 256, fontbaker::metricsRgba(font.metrics)));
    Ref<sprite::NewFontSprite> text = adopt(new sprite::NewFontSprite(sheet.get(), metrics.get()));
    text->setText("Hi!");
    const int32_t* h = &font.metrics[('H' - 32) * 6];
    const int32_t* i = &font.metrics[('i' - 32) * 6];
    const int32_t* bang = &font.metrics[('!' - 32) * 6];
    EXPECT_EQ(text->getWidth(), h[5] + i[5] + bang[5] + (bang[2] - bang[5]));
    EXPECT_EQ(text->getHeight(), font.lineHeight);
}

TEST(FontBakerCommand, WritesWhatTheContentGeneratorBakes)
{
    testing_support::TempFolder folder;
    const std::string prefix = folder.file("display");
    ASSERT_EQ(runBaker(std::string(BoldFont) + " 20 " + prefix + " --color FFF0C0 --outline 2 6E4122 --shadow 1.5 992B1A10 --extra-advance 1"), 0);
    contentgen::TextLook look;
    look.fill = contentgen::solid(contentgen::Color::hex(0xFFF0C0));
    look.outline = 2;
    look.outlineColor = contentgen::Color::hex(0x6E4122);
    look.shadow = 1.5f;
    look.shadowColor = contentgen::Color::hex(0x2B1A10, 0x99 / 255.0f);
    const contentgen::BakedFont font = contentgen::bakeFont(BoldFont, 20, look, 1);
    EXPECT_EQ(readBytes(prefix + ".png"), contentgen::encodePng(font.sheet));
    EXPECT_EQ(readBytes(prefix + "_m.png"), contentgen::encodePng(6, 256, fontbaker::metricsRgba(font.metrics)));
    EXPECT_EQ(runBaker(std::string(BoldFont) + " 20 " + prefix + " --outline 2"), 2);
    EXPECT_EQ(runBaker(std::string(BoldFont) + " 0 " + prefix), 2);
    EXPECT_EQ(runBaker(std::string(BoldFont) + " 20 " + prefix + " --color 12345G"), 2);
    EXPECT_EQ(runBaker("/nonexistent.ttf 20 " + prefix), 1);
}
