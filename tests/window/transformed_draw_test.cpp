// Transformed drawing on the image target: placement, exact texel copies where texels land on
// pixels, bilinear values, mirrors, quarter turns, tint, corner colours, opacity and clipping.
#include "lang/Ref.h"
#include "window/raster/ImageGraphics.h"
#include "window/raster/PixelImage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using lang::adopt;
using lang::Ref;
using util::RectangleNM;
using window::Graphics;
using window::ImageGraphics;
using window::PixelImage;

namespace {

Ref<PixelImage> noisePicture(int32_t width, int32_t height, uint32_t seed)
{
    Ref<PixelImage> image = adopt(new PixelImage(width, height));
    image->setHasAlpha(true);
    for (int32_t i = 0; i < width * height; ++i) {
        seed = seed * 1664525u + 1013904223u;
        image->getPixels()[i] = seed;
    }
    return image;
}

Ref<PixelImage> canvas(int32_t width, int32_t height)
{
    Ref<PixelImage> image = adopt(new PixelImage(width, height));
    std::fill_n(image->getPixels(), width * height, 0xFF336699u);
    return image;
}

std::vector<uint32_t> pixelsOf(PixelImage& image)
{
    return std::vector<uint32_t>(image.getPixels(), image.getPixels() + image.getWidth() * image.getHeight());
}

uint32_t at(PixelImage& image, int32_t x, int32_t y)
{
    return image.getPixels()[y * image.getWidth() + x];
}

} // namespace

TEST(TransformedDraw, UnscaledDrawsEqualThePlainBlend)
{
    Ref<PixelImage> picture = noisePicture(13, 9, 4);
    const uint32_t tints[] = {0x80808080u, 0x60C0A040u, 0xFF808080u};
    for (uint32_t tint : tints) {
        for (int32_t flipless = 0; flipless < 2; ++flipless) {
            // The untransformed path, and the same draw forced through the filter by a full turn.
            Ref<PixelImage> expected = canvas(40, 30);
            Ref<PixelImage> actual = canvas(40, 30);
            ImageGraphics plain(expected.get()), turned(actual.get());
            plain.setTint(tint);
            turned.setTint(tint);
            plain.translate(2, 1);
            turned.translate(2, 1);
            // Centre (17, 12) puts the top-left at (17 - 6, 12 - 4) of the origin.
            plain.drawImage(picture.get(), 11, 8);
            turned.drawImageTransformed(picture.get(), 17, 12, RectangleNM(0, 0, 13, 9), 1, 1, flipless ? 360.0 : 0.0, 0);
            EXPECT_EQ(pixelsOf(*actual), pixelsOf(*expected)) << std::hex << tint << " turn " << flipless;
        }
    }
}

TEST(TransformedDraw, SourceRectanglesAndDrawAt)
{
    Ref<PixelImage> sheet = noisePicture(8, 8, 7);
    Ref<PixelImage> target = canvas(10, 10);
    ImageGraphics g(target.get());
    // The cell (4, 2, 3, 5) with its top-left corner at (1, 1).
    g.drawImageTransformedAt(sheet.get(), 1, 1, RectangleNM(4, 2, 3, 5), 1, 1, 0, 0);
    Ref<PixelImage> expected = canvas(10, 10);
    ImageGraphics reference(expected.get());
    for (int32_t y = 0; y < 5; ++y)
        for (int32_t x = 0; x < 3; ++x)
            reference.setPixel(1 + x, 1 + y, window::blend::alphaPixel(0xFF336699u, at(*sheet, 4 + x, 2 + y), {}, false));
    EXPECT_EQ(pixelsOf(*target), pixelsOf(*expected));

    // A source rectangle reaching beyond the picture draws only the picture's pixels, in place.
    Ref<PixelImage> partial = canvas(10, 10);
    ImageGraphics p(partial.get());
    p.drawImageTransformedAt(sheet.get(), 1, 1, RectangleNM(6, 2, 5, 5), 1, 1, 0, 0);
    EXPECT_EQ(at(*partial, 1, 1), window::blend::alphaPixel(0xFF336699u, at(*sheet, 6, 2), {}, false));
    EXPECT_EQ(at(*partial, 3, 1), 0xFF336699u);
}

TEST(TransformedDraw, MirrorsAndQuarterTurnsMoveTexelsExactly)
{
    Ref<PixelImage> picture = noisePicture(6, 4, 11);
    for (uint32_t i = 0; i < 24; ++i)
        picture->getPixels()[i] |= 0xFF000000u; // opaque, so pixels are the texels themselves
    const int32_t cx = 10, cy = 10;
    for (int32_t flip = 1; flip < 4; ++flip) {
        Ref<PixelImage> target = canvas(20, 20);
        ImageGraphics g(target.get());
        g.drawImageTransformed(picture.get(), cx, cy, RectangleNM(0, 0, 6, 4), 1, 1, 0, flip);
        for (int32_t y = 0; y < 4; ++y) {
            for (int32_t x = 0; x < 6; ++x) {
                const int32_t sx = (flip & 1) ? 5 - x : x;
                const int32_t sy = (flip & 2) ? 3 - y : y;
                ASSERT_EQ(at(*target, cx - 3 + x, cy - 2 + y), at(*picture, sx, sy)) << flip << " " << x << "," << y;
            }
        }
    }
    // A quarter turn clockwise: the picture's left column becomes the top row, read upward.
    Ref<PixelImage> target = canvas(20, 20);
    ImageGraphics g(target.get());
    g.drawImageTransformed(picture.get(), cx, cy, RectangleNM(0, 0, 6, 4), 1, 1, 90, 0);
    for (int32_t y = 0; y < 6; ++y)
        for (int32_t x = 0; x < 4; ++x)
            ASSERT_EQ(at(*target, cx - 2 + x, cy - 3 + y), at(*picture, y, 3 - x)) << x << "," << y;
    EXPECT_EQ(at(*target, cx - 3, cy), 0xFF336699u);
}

TEST(TransformedDraw, BilinearValuesOfADoubledPicture)
{
    Ref<PixelImage> picture = adopt(new PixelImage(2, 1));
    picture->getPixels()[0] = 0xFF000000u;
    picture->getPixels()[1] = 0xFFFFFFFFu;
    Ref<PixelImage> target = canvas(8, 4);
    ImageGraphics g(target.get());
    g.drawImageTransformed(picture.get(), 4, 2, RectangleNM(0, 0, 2, 1), 2, 2, 0, 0);
    // The pivot (1, 0) of the picture sits on (4, 2): it covers (2, 2)-(6, 4). Centres at
    // u = 0.25, 0.75, 1.25, 1.75 give the edge texels, then weights 16/64 and 48/64.
    const uint32_t row[4] = {0xFF000000u, 0xFF3F3F3Fu, 0xFFBFBFBFu, 0xFFFFFFFFu};
    for (int32_t y = 2; y < 4; ++y)
        for (int32_t x = 0; x < 4; ++x)
            EXPECT_EQ(at(*target, 2 + x, y), row[x]) << x << "," << y;
    EXPECT_EQ(at(*target, 1, 2), 0xFF336699u);
    EXPECT_EQ(at(*target, 6, 2), 0xFF336699u);
    EXPECT_EQ(at(*target, 3, 1), 0xFF336699u);
}

TEST(TransformedDraw, TintCornerColoursAndOpacity)
{
    Ref<PixelImage> picture = adopt(new PixelImage(4, 4));
    std::fill_n(picture->getPixels(), 16, 0xFF808080u);

    // Four equal corner colours act as that tint.
    Ref<PixelImage> tinted = canvas(12, 12), cornered = canvas(12, 12);
    ImageGraphics t(tinted.get()), c(cornered.get());
    t.setTint(0x60FF4080u);
    c.setUseCornerColors(true);
    for (int32_t i = 0; i < 4; ++i)
        c.setCornerColor(i, 0x60FF4080u);
    t.drawImageTransformed(picture.get(), 6, 6, RectangleNM(0, 0, 4, 4), 2, 2, 0, 0);
    c.drawImageTransformed(picture.get(), 6, 6, RectangleNM(0, 0, 4, 4), 2, 2, 0, 0);
    EXPECT_EQ(pixelsOf(*cornered), pixelsOf(*tinted));

    // A gradient from black at the left corners to doubled white at the right ones.
    Ref<PixelImage> gradient = canvas(12, 12);
    ImageGraphics gr(gradient.get());
    gr.setUseCornerColors(true);
    gr.setCornerColor(0, 0x80000000u);
    gr.setCornerColor(3, 0x80000000u);
    gr.setCornerColor(1, 0x80FFFFFFu);
    gr.setCornerColor(2, 0x80FFFFFFu);
    gr.drawImageTransformed(picture.get(), 6, 6, RectangleNM(0, 0, 4, 4), 2, 2, 0, 0);
    EXPECT_LT(at(*gradient, 2, 6) & 0xFF, 0x20u);
    // The last pixel's centre lies at 15/16 of the width: multiplier 239, so 128 * 239 >> 7.
    EXPECT_EQ(at(*gradient, 9, 6) & 0xFF, 0xEFu);
    EXPECT_LT(at(*gradient, 4, 6) & 0xFF, at(*gradient, 7, 6) & 0xFF);

    // Opacity 64 halves the alpha multiplier, for the tint and for corner colours alike.
    Ref<PixelImage> faded = canvas(12, 12), halfTint = canvas(12, 12);
    ImageGraphics f(faded.get()), h(halfTint.get());
    f.setOpacity(64);
    f.setUseCornerColors(true);
    for (int32_t i = 0; i < 4; ++i)
        f.setCornerColor(i, 0x80808080u);
    h.setTint(0x40808080u);
    f.drawImageTransformed(picture.get(), 6, 6, RectangleNM(0, 0, 4, 4), 1.5, 1.5, 30, 0);
    h.drawImageTransformed(picture.get(), 6, 6, RectangleNM(0, 0, 4, 4), 1.5, 1.5, 30, 0);
    EXPECT_EQ(pixelsOf(*faded), pixelsOf(*halfTint));
    EXPECT_NE(at(*faded, 6, 6), 0xFF336699u);
}

TEST(TransformedDraw, ClipAdditiveAndDegenerateInput)
{
    Ref<PixelImage> picture = adopt(new PixelImage(4, 4));
    std::fill_n(picture->getPixels(), 16, 0xFF202020u);
    Ref<PixelImage> target = canvas(12, 12);
    ImageGraphics g(target.get());
    g.clipRect(0, 0, 6, 12);
    g.setBlendMode(Graphics::BLEND_ADDITIVE);
    g.drawImageTransformed(picture.get(), 6, 6, RectangleNM(0, 0, 4, 4), 2, 2, 45, 0);
    EXPECT_EQ(at(*target, 5, 6), 0xFF5386B9u); // 0x33 + 0x20, 0x66 + 0x20, 0x99 + 0x20
    EXPECT_EQ(at(*target, 6, 6), 0xFF336699u);

    const std::vector<uint32_t> before = pixelsOf(*target);
    EXPECT_TRUE(g.drawImageTransformed(picture.get(), 6, 6, RectangleNM(0, 0, 4, 4), 0, 1, 0, 0));
    EXPECT_TRUE(g.drawImageTransformed(picture.get(), 6, 6, RectangleNM(0, 0, 4, 4), 1, 1, std::nan(""), 0));
    EXPECT_TRUE(g.drawImageTransformed(picture.get(), 6, 6, RectangleNM(0, 0, 4, 4), 1e12, 1e12, 3, 0));
    EXPECT_TRUE(g.drawImageTransformed(picture.get(), 6, 6, RectangleNM(9, 9, 4, 4), 1, 1, 0, 0));
    EXPECT_TRUE(g.drawImageTransformed(picture.get(), 6, 6, RectangleNM(0, 0, -4, 4), 1, 1, 0, 0));
    std::vector<uint32_t> after = pixelsOf(*target);
    // The huge scale covers the whole clip with the picture; everything else drew nothing.
    for (int32_t y = 0; y < 12; ++y)
        for (int32_t x = 6; x < 12; ++x)
            EXPECT_EQ(after[y * 12 + x], before[y * 12 + x]);
}
