// Renders a gallery of the software drawing target into a PNG:
//   gallery [output.png]
// Top left: the shape primitives; top right: pictures blended with tints, shadow and opacity;
// middle: the cells of a sprite sheet turned, then one sprite scaled, mirrored and with corner
// colours; bottom: text in two faces and styles.
#include "lang/Ref.h"
#include "PngWriter.h"
#include "util/RectangleNM.h"
#include "window/raster/ImageGraphics.h"
#include "window/raster/PixelImage.h"
#include "window/raster/Polygon.h"
#include "window/text/Font.h"
#include "window/text/freetype/FreeTypeRasteriser.h"

#include <cmath>
#include <cstdio>

using lang::adopt;
using lang::Ref;
using window::Font;
using window::Graphics;
using window::ImageGraphics;
using window::PixelImage;

namespace {

constexpr int32_t kWidth = 800;
constexpr int32_t kHeight = 600;

// A 64 x 64 sprite with a soft round edge and an arrow, so turns and mirrors show.
Ref<PixelImage> makeSprite()
{
    Ref<PixelImage> sprite = adopt(new PixelImage(64, 64));
    sprite->setHasAlpha(true);
    uint32_t* pixels = sprite->getPixels();
    for (int32_t y = 0; y < 64; ++y) {
        for (int32_t x = 0; x < 64; ++x) {
            const double dx = x + 0.5 - 32;
            const double dy = y + 0.5 - 32;
            const double edge = 30 - std::sqrt(dx * dx + dy * dy);
            const int32_t alpha = edge >= 1 ? 255 : edge <= 0 ? 0 : static_cast<int32_t>(edge * 255);
            const uint32_t red = static_cast<uint32_t>(x * 4);
            const uint32_t green = static_cast<uint32_t>(y * 4);
            uint32_t colour = red << 16 | green << 8 | 160;
            // The arrow points right: a shaft and a head.
            const bool shaft = y >= 28 && y < 36 && x >= 12 && x < 40;
            const bool head = x >= 40 && x < 54 && std::abs(y + 0.5 - 32) < (54 - x) * 0.8;
            if (shaft || head)
                colour = 0xFFFFFF;
            pixels[y * 64 + x] = static_cast<uint32_t>(alpha) << 24 | colour;
        }
    }
    return sprite;
}

void drawBackground(ImageGraphics& g)
{
    for (int32_t y = 0; y < kHeight; y += 20)
        for (int32_t x = 0; x < kWidth; x += 20)
            g.fillRect(x, y, 20, 20, ((x + y) / 20) % 2 ? 0xFF3A3F4Au : 0xFF444A57u);
}

void drawShapes(ImageGraphics& g)
{
    g.setColor(0xFFFFD24Au);
    for (int32_t i = 0; i < 8; ++i)
        g.drawLine(20, 20 + i * 4, 120, 20 + i * 12, 1);
    g.setColor(0xFF5AD1FFu);
    g.drawLine(140, 20, 240, 110, 2);
    g.drawLine(140, 110, 240, 20, 6);
    g.setColor(0xFF9BE37Bu);
    g.drawRect(20, 130, 100, 60);
    g.fillRect(30, 140, 40, 40);
    g.setColor(0xFFE36B6Bu);
    g.fillOval(140, 130, 100, 60);
    window::Polygon star;
    for (int32_t i = 0; i < 10; ++i) {
        const double angle = i * 3.14159265 / 5 - 3.14159265 / 2;
        const double radius = i % 2 ? 18 : 45;
        star.addPoint(310 + static_cast<int32_t>(std::lround(radius * std::cos(angle))),
            70 + static_cast<int32_t>(std::lround(radius * std::sin(angle))));
    }
    g.setColor(0xFFF2A541u);
    g.fillPolygon(star);
    g.setColor(0xFFFFFFFFu);
    g.drawPolygon(star);
    window::Polygon zigzag;
    for (int32_t i = 0; i < 6; ++i)
        zigzag.addPoint(260 + i * 25, i % 2 ? 190 : 140);
    g.setColor(0xFFC58BFFu);
    g.drawPolyline(zigzag, 4);
    const int32_t curve[] = {20, 280, 60, 200, 140, 320, 200, 220};
    g.setColor(0xFF7BE3D0u);
    g.fillCurve(curve, 4, 1.0f);
    g.setColor(0xFFFFFFFFu);
    g.drawCurve(curve, 4, 1.0f, 0, -10);
    g.fillRectBlended(230, 220, 150, 80, 0x80FF4080u);
    g.fillRectBlended(280, 250, 150, 80, 0x604080FFu);
}

void drawPictures(ImageGraphics& g, PixelImage& sprite)
{
    const uint32_t tints[] = {0x80808080u, 0x80FF8080u, 0x80404080u, 0x40808080u, 0xFF808080u};
    for (int32_t i = 0; i < 5; ++i) {
        g.setTint(tints[i]);
        g.drawImage(&sprite, 440 + i * 70, 20);
    }
    g.setTint(0x80808080u);
    g.getFancyHelper()->setShadow(true, 6, 6);
    g.drawImage(&sprite, 440, 100);
    g.getFancyHelper()->setShadow(false, 0, 0);
    g.setOpacity(64);
    g.drawImage(&sprite, 510, 100);
    g.setOpacity(128);
    g.setBlendMode(Graphics::BLEND_ADDITIVE);
    g.drawImage(&sprite, 580, 100);
    g.drawImage(&sprite, 600, 110);
    g.setBlendMode(Graphics::BLEND_NORMAL);
    g.drawShadow(&sprite, 670, 100);
}

// Four cells of 64 x 64 side by side: the sprite in four tints.
Ref<PixelImage> makeSheet(PixelImage& sprite)
{
    Ref<PixelImage> sheet = adopt(new PixelImage(256, 64));
    sheet->setHasAlpha(true);
    ImageGraphics g(sheet.get());
    const uint32_t tints[] = {0x80808080u, 0x80FF6040u, 0x8040C060u, 0x806080FFu};
    for (int32_t cell = 0; cell < 4; ++cell) {
        g.setTint(tints[cell]);
        g.drawImage(&sprite, cell * 64, 0);
    }
    return sheet;
}

void drawSpriteSheet(ImageGraphics& g, PixelImage& sprite)
{
    const util::RectangleNM whole(0, 0, 64, 64);
    const util::RectangleNM half(0, 0, 32, 64);
    Ref<PixelImage> sheet = makeSheet(sprite);
    for (int32_t i = 0; i < 8; ++i)
        g.drawImageTransformed(sheet.get(), 60 + i * 90, 250 + 130, util::RectangleNM((i % 4) * 64, 0, 64, 64), 1.0, 1.0, i * 45.0, 0);
    for (int32_t flip = 0; flip < 4; ++flip)
        g.drawImageTransformed(&sprite, 60 + flip * 90, 480, whole, 1.0, 1.0, 0.0, flip);
    g.drawImageTransformed(&sprite, 420, 480, whole, 1.6, 0.8, 20.0, 0);
    g.drawImageTransformed(&sprite, 530, 480, half, 2.0, 2.0, 0.0, 0);
    g.setUseCornerColors(true);
    g.setCornerColor(0, 0xFFFF8080u);
    g.setCornerColor(1, 0x80FFFF00u);
    g.setCornerColor(2, 0xFF0080FFu);
    g.setCornerColor(3, 0x40808080u);
    g.drawImageTransformed(&sprite, 640, 480, whole, 1.5, 1.5, -15.0, 0);
    g.setUseCornerColors(false);
    g.drawImageTransformed(&sprite, 740, 480, whole, 0.5, 0.5, 0.0, 0);
}

void drawText(ImageGraphics& g)
{
    Ref<Font> arial = adopt(new Font("Arial", 0, 18));
    Ref<Font> verdanaBold = adopt(new Font("Verdana", Font::STYLE_BOLD | Font::STYLE_UNDERLINE, 16));
    Ref<Font> arialItalic = adopt(new Font("Arial", Font::STYLE_ITALIC, 22));
    g.setColor(0xFFFFFFFFu);
    g.setFont(arial.get());
    g.drawString("Arial 18: The quick brown fox jumps over the lazy dog. \xC0\xE9\xFC\x80", 20, 560);
    g.setColor(0xFFFFE08Au);
    g.setFont(verdanaBold.get());
    g.drawString("Verdana 16 bold underlined: 1234567890", 20, 585);
    g.setColor(0xFF9AE6FFu);
    g.setFont(arialItalic.get());
    g.drawString("Italic 22", 600, 560);
    g.setColor(0xFFFFFFFFu);
    g.setFont(arial.get());
    g.fillRectBlended(440, 170, 330, 40, 0x60000000u);
    g.drawStringInRect("This line is far too long for its box and ends early", util::RectangleNM(445, 175, 320, 30));
}

} // namespace

int main(int argc, char** argv)
{
    window::GlyphRasteriser::install(std::make_unique<window::FreeTypeRasteriser>());
    const char* output = argc > 1 ? argv[1] : "gallery.png";
    Ref<PixelImage> canvas = adopt(new PixelImage(kWidth, kHeight));
    Ref<ImageGraphics> g = adopt(new ImageGraphics(canvas.get()));
    Ref<PixelImage> sprite = makeSprite();
    drawBackground(*g);
    drawShapes(*g);
    drawPictures(*g, *sprite);
    drawSpriteSheet(*g, *sprite);
    drawText(*g);
    if (!window::writePngFile(*canvas, output)) {
        std::fprintf(stderr, "gallery: cannot write %s\n", output);
        return 1;
    }
    std::printf("gallery: wrote %s\n", output);
    return 0;
}
