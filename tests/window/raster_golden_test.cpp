// Reference pictures of the rasterised shapes, of text, and of transformed pictures.
#include "lang/Ref.h"
#include "support/Golden.h"
#include "window/raster/ImageGraphics.h"
#include "window/raster/PixelImage.h"
#include "window/raster/Polygon.h"
#include "window/text/Font.h"

#include <gtest/gtest.h>

using lang::adopt;
using lang::Ref;
using testing_pictures::matchesGolden;
using window::Graphics;
using window::ImageGraphics;
using window::PixelImage;

namespace {

Ref<PixelImage> slate(int32_t width, int32_t height)
{
    Ref<PixelImage> image = adopt(new PixelImage(width, height));
    std::fill_n(image->getPixels(), width * height, 0xFF283040u);
    return image;
}

// A 12 x 12 picture: an opaque "F" on a half-transparent square, clear corners.
Ref<PixelImage> letterF()
{
    Ref<PixelImage> image = adopt(new PixelImage(12, 12));
    image->setHasAlpha(true);
    for (int32_t y = 0; y < 12; ++y) {
        for (int32_t x = 0; x < 12; ++x) {
            const bool corner = (x < 2 || x > 9) && (y < 2 || y > 9);
            const bool stroke = (x >= 3 && x < 5 && y >= 2 && y < 10) || (y >= 2 && y < 4 && x >= 3 && x < 9)
                || (y >= 5 && y < 7 && x >= 3 && x < 7);
            uint32_t pixel = corner ? 0x00000000u : 0x80E04040u;
            if (stroke)
                pixel = 0xFFFFF0A0u;
            image->getPixels()[y * 12 + x] = pixel;
        }
    }
    return image;
}

} // namespace

TEST(RasterGolden, Shapes)
{
    Ref<PixelImage> image = slate(160, 120);
    ImageGraphics g(image.get());
    g.setColor(0xFFFFD24Au);
    g.drawLine(4, 4, 60, 20, 1);
    g.drawLine(4, 10, 30, 40, 1);
    g.drawLine(70, 4, 70, 40, 1);
    g.setColor(0xFF5AD1FFu);
    g.drawLine(80, 6, 150, 36, 3);
    g.drawLine(80, 36, 110, 8, 6);
    g.setColor(0xFF9BE37Bu);
    g.drawRect(4, 48, 40, 24);
    g.fillRect(10, 54, 12, 12);
    g.setColor(0xFFE36B6Bu);
    g.fillOval(52, 48, 45, 25);
    g.fillOval(104, 48, 9, 9);
    window::Polygon triangle;
    triangle.addPoint(120, 50);
    triangle.addPoint(156, 72);
    triangle.addPoint(118, 74);
    g.setColor(0xFFF2A541u);
    g.fillPolygon(triangle);
    g.setColor(0xFFFFFFFFu);
    g.drawPolygon(triangle);
    window::Polygon zigzag;
    for (int32_t i = 0; i < 5; ++i)
        zigzag.addPoint(6 + i * 14, i % 2 ? 112 : 84);
    g.setColor(0xFFC58BFFu);
    g.drawPolyline(zigzag, 2);
    const int32_t curve[] = {80, 112, 96, 76, 128, 118, 154, 82};
    g.setColor(0xFF7BE3D0u);
    g.fillCurve(curve, 4, 1.0f);
    g.setColor(0xFFFF80C0u);
    g.drawCurve(curve, 4, 1.0f, 0, -6);
    // Clipped: only the left half of this disc shows.
    g.clipRect(0, 90, 40, 30);
    g.setColor(0xFF80A0FFu);
    g.translate(30, 0);
    g.fillOval(20, 92, 30, 24); // fillOval ignores the origin
    g.fillRect(-30, 116, 80, 4);
    EXPECT_TRUE(matchesGolden(*image, "shapes"));
}

TEST(RasterGolden, Text)
{
    Ref<PixelImage> image = slate(240, 108);
    ImageGraphics g(image.get());
    Ref<window::Font> arial = adopt(new window::Font("Arial", 0, 16));
    Ref<window::Font> verdana = adopt(new window::Font("Verdana", window::Font::STYLE_BOLD | window::Font::STYLE_UNDERLINE, 13));
    Ref<window::Font> italic = adopt(new window::Font("Arial", window::Font::STYLE_ITALIC, 20));
    g.setFont(arial.get());
    g.setColor(0xFFFFFFFFu);
    g.drawString("Arial 16: Shop \xE9t\xE9 \x80 12,50", 4, 18);
    g.setFont(verdana.get());
    g.setColor(0xFFFFE08Au);
    g.drawString("Verdana bold, underlined", 4, 38);
    g.setFont(italic.get());
    g.setColor(0xFF9AE6FFu);
    g.drawChars("xxItalic wordsxx", 2, 12, 4, 62);
    g.setFont(arial.get());
    g.setColor(0xFFFFFFFFu);
    g.drawStringInRect("A line that is too long for the box\nSecond line", util::RectangleNM(4, 66, 150, 40));
    EXPECT_TRUE(matchesGolden(*image, "text"));
}

TEST(RasterGolden, TransformedPictures)
{
    Ref<PixelImage> image = slate(200, 100);
    Ref<PixelImage> f = letterF();
    ImageGraphics g(image.get());
    const util::RectangleNM whole(0, 0, 12, 12);
    g.drawImageTransformed(f.get(), 12, 12, whole, 1, 1, 0, 0);
    g.drawImageTransformed(f.get(), 36, 12, whole, 1, 1, 0, Graphics::FLIP_LEFT_RIGHT);
    g.drawImageTransformed(f.get(), 60, 12, whole, 1, 1, 0, Graphics::FLIP_TOP_BOTTOM);
    g.drawImageTransformed(f.get(), 84, 12, whole, 1, 1, 0, Graphics::FLIP_BOTH);
    g.drawImageTransformed(f.get(), 108, 12, whole, 1, 1, 90, 0);
    g.drawImageTransformed(f.get(), 132, 12, whole, 1, 1, 30, 0);
    g.drawImageTransformed(f.get(), 160, 14, whole, 2, 1.5, -20, 0);
    g.drawImageTransformed(f.get(), 20, 60, whole, 3, 3, 0, 0);
    g.drawImageTransformed(f.get(), 60, 60, whole, 0.5, 0.5, 0, 0);
    g.drawImageTransformed(f.get(), 100, 60, util::RectangleNM(3, 2, 6, 5), 4, 4, 0, 0);
    g.setUseCornerColors(true);
    g.setCornerColor(0, 0xFFFF8080u);
    g.setCornerColor(1, 0x80FFFF00u);
    g.setCornerColor(2, 0xFF0080FFu);
    g.setCornerColor(3, 0x40808080u);
    g.drawImageTransformed(f.get(), 150, 64, whole, 3, 3, 15, 0);
    g.setUseCornerColors(false);
    g.setTint(0x80FF8040u);
    g.setOpacity(80);
    g.drawImageTransformed(f.get(), 185, 64, whole, 2, 2, 0, 0);
    EXPECT_TRUE(matchesGolden(*image, "transformed"));
}
