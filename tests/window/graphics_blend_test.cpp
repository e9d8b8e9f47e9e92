// The image target's blend arithmetic against pixels computed by hand, and the vector rows
// against the per-pixel rules.
#include "lang/Ref.h"
#include "window/raster/detail/BlendKernels.h"
#include "window/raster/ImageGraphics.h"
#include "window/raster/PixelImage.h"

#include <gtest/gtest.h>

#include <vector>

using lang::adopt;
using lang::Ref;
using window::Graphics;
using window::ImageGraphics;
using window::PixelImage;

namespace {

Ref<PixelImage> imageOf(const std::vector<uint32_t>& pixels, bool hasAlpha = false)
{
    Ref<PixelImage> image = adopt(new PixelImage(static_cast<int32_t>(pixels.size()), 1));
    std::copy(pixels.begin(), pixels.end(), image->getPixels());
    image->setHasAlpha(hasAlpha);
    return image;
}

// Blends the source (one row) over the target (one row) at (0, 0) and returns the target row.
std::vector<uint32_t> blended(const std::vector<uint32_t>& target, const std::vector<uint32_t>& source, uint32_t tint = 0x80808080u,
    int32_t mode = Graphics::BLEND_NORMAL, bool targetHasAlpha = false)
{
    Ref<PixelImage> to = imageOf(target, targetHasAlpha);
    Ref<PixelImage> from = imageOf(source, true);
    ImageGraphics g(to.get());
    g.setTint(tint);
    g.setBlendMode(mode);
    EXPECT_TRUE(g.drawImage(from.get(), 0, 0));
    return std::vector<uint32_t>(to->getPixels(), to->getPixels() + target.size());
}

} // namespace

TEST(AlphaBlend, PlainTintIsSourceOverRoundedDown)
{
    // a = 128: 0x20 + ((0xFF - 0x20) * 128 >> 8) = 0x8F, and so on; opaque result.
    EXPECT_EQ(blended({0xFF204060u}, {0x80FFFFFFu}), std::vector<uint32_t>{0xFF8F9FAFu});
    // Darker source: 0x60 + ((0x10 - 0x60) * 64 >> 8) = 0x60 - 20 = 0x4C (rounded toward minus).
    EXPECT_EQ(blended({0x00606060u}, {0x40101010u}), std::vector<uint32_t>{0xFF4C4C4Cu});
    // Opaque sources are stored as they are, transparent ones leave the target.
    EXPECT_EQ(blended({0xFF204060u, 0x11223344u}, {0xFF102030u, 0x00FFFFFFu}), (std::vector<uint32_t>{0xFF102030u, 0x11223344u}));
}

TEST(AlphaBlend, TintMultipliesChannelsAndAlpha)
{
    // Red doubled (255 / 128), green halved, blue kept: min(255, c * m >> 7).
    EXPECT_EQ(blended({0xFF000000u}, {0xFF804020u}, 0x80FF4080u), std::vector<uint32_t>{0xFFFF2020u});
    // The alpha multiplier lifts a half-transparent source to opaque: a = 128 * 255 >> 7 = 255,
    // and with unchanged colours the source is stored with its own alpha byte.
    EXPECT_EQ(blended({0xFF000000u}, {0x80102030u}, 0xFF808080u), std::vector<uint32_t>{0x80102030u});
    // Alpha multiplier 64: a = 255 * 64 >> 7 = 127; 0 + (200 * 127 >> 8) = 99.
    EXPECT_EQ(blended({0xFF000000u}, {0xFFC8C8C8u}, 0x40808080u), std::vector<uint32_t>{0xFF636363u});
    // Alpha multiplier 0 draws nothing, shadow or not.
    EXPECT_EQ(blended({0xFF000000u}, {0xFFC8C8C8u}, 0x00808080u), std::vector<uint32_t>{0xFF000000u});
}

TEST(AlphaBlend, OpacityScalesTheAlphaMultiplier)
{
    Ref<PixelImage> to = imageOf({0xFF000000u});
    Ref<PixelImage> from = imageOf({0xFFC8C8C8u}, true);
    ImageGraphics g(to.get());
    g.setOpacity(64); // tint alpha 128 * 64 / 128 = 64
    g.drawImage(from.get(), 0, 0);
    EXPECT_EQ(to->getPixels()[0], 0xFF636363u);
}

TEST(AlphaBlend, TargetsWithAlpha)
{
    // A transparent target pixel takes the source as it is, or tinted: colours times their
    // multipliers, alpha a = 0x40 * 64 >> 7.
    EXPECT_EQ(blended({0x00000000u}, {0x40FF0000u}, 0x80808080u, Graphics::BLEND_NORMAL, true), std::vector<uint32_t>{0x40FF0000u});
    EXPECT_EQ(blended({0x00123456u}, {0x40FF4020u}, 0x40808040u, Graphics::BLEND_NORMAL, true), std::vector<uint32_t>{0x20FF4010u});
    // Translucent over translucent: the "over" rule for both alphas.
    EXPECT_EQ(blended({0x80000000u}, {0x80FF0000u}, 0x80808080u, Graphics::BLEND_NORMAL, true), std::vector<uint32_t>{0xC0AA0000u});
    // An opaque target pixel blends as usual.
    EXPECT_EQ(blended({0xFF204060u}, {0x80FFFFFFu}, 0x80808080u, Graphics::BLEND_NORMAL, true), std::vector<uint32_t>{0xFF8F9FAFu});
}

TEST(AdditiveBlend, AddsWeightedSourceAndSaturates)
{
    const int32_t add = Graphics::BLEND_ADDITIVE;
    EXPECT_EQ(blended({0xFF101010u}, {0xFF202020u}, 0x80808080u, add), std::vector<uint32_t>{0xFF303030u});
    EXPECT_EQ(blended({0xFFF0F0F0u}, {0xFF202020u}, 0x80808080u, add), std::vector<uint32_t>{0xFFFFFFFFu});
    // a = 128: 0x10 + (0x20 * 128 >> 8) = 0x20.
    EXPECT_EQ(blended({0xFF101010u}, {0x80202020u}, 0x80808080u, add), std::vector<uint32_t>{0xFF202020u});
    // Red multiplier 255: 0x10 + (0x20 * 255 >> 7) = 0x10 + 63.
    EXPECT_EQ(blended({0xFF101010u}, {0xFF202020u}, 0x80FF8080u, add), std::vector<uint32_t>{0xFF4F3030u});
    EXPECT_EQ(blended({0xFF101010u}, {0xFF202020u}, 0x00808080u, add), std::vector<uint32_t>{0xFF101010u});
    EXPECT_EQ(blended({0x00101010u}, {0x80202020u}, 0x80808080u, add, true), std::vector<uint32_t>{0x80202020u});
}

TEST(ShadowBlend, DarkensByAlphaAndKeepsTargetAlpha)
{
    Ref<PixelImage> to = imageOf({0x80808080u, 0xFF808080u, 0xFF808080u});
    Ref<PixelImage> from = imageOf({0xFF000000u, 0x80000000u, 0x01000000u}, true);
    ImageGraphics g(to.get());
    EXPECT_TRUE(g.drawShadow(from.get(), 0, 0));
    // k = 255 * 128 >> 8 = 127: 128 - (128 * 127 >> 8) = 65; k = 64: 128 - 32 = 96; k = 0: unchanged.
    EXPECT_EQ(to->getPixels()[0], 0x80414141u);
    EXPECT_EQ(to->getPixels()[1], 0xFF606060u);
    EXPECT_EQ(to->getPixels()[2], 0xFF808080u);

    // The shadow pass of drawImage runs before the picture, at the shadow offset.
    Ref<PixelImage> row = imageOf({0xFF808080u, 0xFF808080u, 0xFF808080u});
    Ref<PixelImage> dot = imageOf({0xFF0000FFu}, true);
    ImageGraphics shadowed(row.get());
    shadowed.getFancyHelper()->setShadow(true, 1, 0);
    shadowed.drawImage(dot.get(), 0, 0);
    EXPECT_EQ(row->getPixels()[0], 0xFF0000FFu);
    EXPECT_EQ(row->getPixels()[1], 0xFF414141u);
    EXPECT_EQ(row->getPixels()[2], 0xFF808080u);
}

TEST(PixelsAndFills, SetPixelFillRectAndBlendedFill)
{
    Ref<PixelImage> to = imageOf({0x00204060u, 0x00204060u, 0x00204060u, 0x00204060u});
    ImageGraphics g(to.get());
    g.setPixel(0, 0, 0x12FFFFFFu | 0xFF000000u);
    g.setPixel(1, 0, 0x00FFFFFFu);
    g.setPixel(2, 0, 0x80FFFFFFu);
    g.setPixel(9, 0, 0xFFFFFFFFu); // outside: nothing
    EXPECT_EQ(to->getPixels()[0], 0xFFFFFFFFu);
    EXPECT_EQ(to->getPixels()[1], 0xFF204060u); // alpha 0: the target made opaque
    EXPECT_EQ(to->getPixels()[2], 0xFF8F9FAFu); // (c_d * 128 + c_s * 128) >> 8
    g.setColor(0x00102030u);
    g.setPixel(3, 0);
    EXPECT_EQ(to->getPixels()[3], 0xFF102030u);
    EXPECT_EQ(g.getPixel(3, 0), 0xFF102030u);
    EXPECT_EQ(g.getPixel(4, 0), 0u);
    EXPECT_EQ(g.getPixel(-1, 0), 0u);

    // fillRect with the pen: each channel times the multiplier the last blend left.
    g.setColor(0xFF808080u);
    g.fillRect(0, 0, 1, 1);
    EXPECT_EQ(to->getPixels()[0], 0xFF808080u);
    Ref<PixelImage> clear = imageOf({0x00000000u}, true);
    g.setTint(0x80FF4080u);
    g.drawImage(clear.get(), 0, 0);
    g.fillRect(0, 0, 2, 1);
    EXPECT_EQ(to->getPixels()[0], 0xFFFF4080u);
    EXPECT_EQ(to->getPixels()[1], 0xFFFF4080u);

    // fillRectBlended: c_d + ((c_s - c_d) * a >> 8), opaque; alpha 0 draws nothing.
    to->getPixels()[2] = 0xFF000000u;
    to->getPixels()[3] = 0x00000000u;
    g.fillRectBlended(2, 0, 2, 1, 0xFFFF8000u);
    EXPECT_EQ(to->getPixels()[2], 0xFFFE7F00u);
    g.fillRectBlended(0, 0, 4, 1, 0x00FFFFFFu);
    EXPECT_EQ(to->getPixels()[3], 0xFFFE7F00u);
    // A fill with a colour is opaque, whatever its alpha.
    g.fillRect(0, 0, 1, 1, 0x00123456u);
    EXPECT_EQ(to->getPixels()[0], 0xFF123456u);
}

TEST(Clipping, BlendsAndFillsStayInsideSetPixelIgnoresTheClip)
{
    Ref<PixelImage> to = adopt(new PixelImage(4, 4));
    Ref<PixelImage> from = adopt(new PixelImage(4, 4));
    std::fill_n(from->getPixels(), 16, 0xFF00FF00u);
    ImageGraphics g(to.get());
    g.translate(1, 0);
    g.clipRect(0, 1, 2, 2); // target (1, 1)-(3, 3)
    g.drawImage(from.get(), -1, 0);
    g.setPixel(-1, 0, 0xFFFF0000u);
    for (int32_t y = 0; y < 4; ++y) {
        for (int32_t x = 0; x < 4; ++x) {
            const bool inside = x >= 1 && x < 3 && y >= 1 && y < 3;
            const uint32_t expected = inside ? 0xFF00FF00u : (x == 0 && y == 0 ? 0xFFFF0000u : 0u);
            EXPECT_EQ(to->getPixels()[y * 4 + x], expected) << x << "," << y;
        }
    }
    // Drawing wholly outside the image changes nothing and is no error.
    EXPECT_TRUE(g.drawImage(from.get(), 100, 100));
    g.clipRect(50, 50, 2, 2);
    g.fillRect(0, 0, 4, 4, 0xFFFFFFFFu);
    EXPECT_EQ(to->getPixels()[5], 0xFF00FF00u);
}

TEST(Clipping, PicturesWithoutPixelsAreNotDrawn)
{
    Ref<PixelImage> to = adopt(new PixelImage(2, 2));
    Ref<PixelImage> missing = adopt(new PixelImage(lang::String("/no/such/picture.png")));
    ImageGraphics g(to.get());
    EXPECT_FALSE(g.drawImage(missing.get(), 0, 0));
    EXPECT_FALSE(g.drawImage(nullptr, 0, 0));
    EXPECT_FALSE(g.drawShadow(missing.get(), 0, 0));
    EXPECT_FALSE(g.drawImageTransformed(missing.get(), 0, 0, util::RectangleNM(0, 0, 1, 1), 1, 1, 0, 0));
}

TEST(BlendRows, VectorRowsMatchThePixelRules)
{
    uint32_t seed = 99;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return seed;
    };
    const window::blend::Multipliers settings[] = {
        {128, 128, 128, 128}, {128, 128, 128, 200}, {255, 64, 128, 128}, {0, 255, 17, 90}, {128, 128, 128, 0}};
    for (const auto& m : settings) {
        for (int32_t count = 0; count < 23; ++count) {
            std::vector<uint32_t> source(count), target(count), expected(count);
            for (int32_t i = 0; i < count; ++i) {
                source[i] = next();
                // Mostly the fast cases of whole groups, now and then the general one.
                const uint32_t pick = next() % 4;
                if (pick == 0)
                    source[i] |= 0xFF000000u;
                else if (pick == 1)
                    source[i] &= 0x00FFFFFFu;
                target[i] = next();
                expected[i] = window::blend::alphaPixel(target[i], source[i], m, false);
            }
            window::blend::alphaRow(target.data(), source.data(), count, m, false);
            ASSERT_EQ(target, expected) << "count " << count << " multipliers " << m.red << "," << m.green << ","
                                        << m.blue << "," << m.alpha;
        }
    }
}
