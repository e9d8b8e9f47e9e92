// Draws the text, number and effect sprites on one 800 x 600 screen into a PNG:
//   kipto2-text-gallery UI_FOLDER OUTPUT.png
// UI_FOLDER holds the content generator's pictures (build/content/ui): the bitmap fonts with
// their metrics, the digit sheets and a background. Left: every bitmap font face, a paragraph
// with two faces and colours, a system-font line and a rich text box; right: numbers in every
// format and radial bursts in mid-flight.
#include "sprite/NewFontSprite.h"
#include "sprite/NumberSprite.h"
#include "sprite/RadialSpritePSX.h"
#include "sprite/RichTTYSprite.h"
#include "sprite/TextSprite.h"

#include "lang/Ref.h"
#include "PngWriter.h"
#include "util/Region.h"
#include "window/raster/Graphics.h"
#include "window/raster/PixelImage.h"
#include "window/text/Font.h"
#include "window/text/freetype/FreeTypeRasteriser.h"

#include <cstdio>
#include <string>
#include <vector>

using lang::adopt;
using lang::Ref;

namespace {

std::string folder;

Ref<window::PixelImage> picture(const std::string& name)
{
    return adopt(new window::PixelImage(lang::String((folder + "/" + name + ".png").c_str())));
}

Ref<sprite::NewFontSprite> bitmapText(const std::string& face, const char* text, int32_t x, int32_t y)
{
    Ref<sprite::NewFontSprite> sprite = adopt(new sprite::NewFontSprite(picture(face).get(), picture(face + "_m").get()));
    sprite->setText(text);
    sprite->setLocation(x, y);
    return sprite;
}

void drawFaces(window::Graphics* graphics)
{
    const char* faces[] = {"font_title", "font_big", "font_button", "font_white", "font_body", "font_bold", "font_bubble", "font_small"};
    int32_t y = 8;
    for (const char* face : faces) {
        Ref<sprite::NewFontSprite> sample = bitmapText(face, face, 16, y);
        sample->render(graphics);
        y += sample->getHeight() + 2;
    }
}

void drawParagraph(window::Graphics* graphics)
{
    Ref<sprite::NewFontSprite> text = bitmapText("font_body", "", 200, 330);
    text->setFace(1, picture("font_bold").get(), picture("font_bold_m").get());
    text->setWrapWidth(360);
    text->setAlignment(1);
    text->setAlignEachLine(true);
    text->setText("Fresh bread, ripe apples and cold milk wait on the shelves. Serve every customer "
                  "before the bell rings \x96 and mind the prices!");
    const std::string shown = text->getText().c_str();
    std::vector<uint8_t> styles(shown.size(), 0);
    std::vector<uint32_t> colors(shown.size(), 0x808080u);
    std::fill_n(styles.begin() + static_cast<std::ptrdiff_t>(shown.find("Serve")), 5, 1);
    std::fill_n(styles.begin() + static_cast<std::ptrdiff_t>(shown.find("prices")), 6, sprite::NewFontSprite::StyleUnderline);
    std::fill_n(colors.begin() + static_cast<std::ptrdiff_t>(shown.find("apples")), 6, 0xFF2010u);
    std::fill_n(colors.begin() + static_cast<std::ptrdiff_t>(shown.find("milk")), 4, 0x2060FFu);
    text->setCharStyles(styles);
    text->setCharColors(colors);
    text->render(graphics);
}

void drawSystemText(window::Graphics* graphics)
{
    Ref<window::Font> font = adopt(new window::Font(window::Font::defaultFaceName, 1, 18));
    Ref<sprite::TextSprite> line = adopt(new sprite::TextSprite("TextSprite with a shadow", font.get(), true, false));
    line->setTextColor(0xFFFFF3C4u);
    line->setShadowColor(0xFF4A3426u);
    line->setLocation(20, 452);
    line->render(graphics);
    Ref<sprite::RichTTYSprite> box = adopt(new sprite::RichTTYSprite(20, 462, 360, 120, 16, 0xFF4A3426u));
    box->setText("A `bRichTTYSprite`/b box wraps its words to the box and takes `imarkup`/i for `cc00colours`/c, "
                 "`C2F7F2Agreen`/c and more.`nA new line starts here.");
    box->render(graphics);
}

void drawNumbers(window::Graphics* graphics)
{
    sprite::NumberSprite::setMarks(sprite::NumberMarks{sprite::NumberMarks::PointCell, sprite::NumberMarks::CommaCell});
    struct Row {
        int32_t format;
        int32_t value;
        int32_t minDigits;
        const char* digits;
    };
    const Row rows[] = {
        {sprite::NumberSprite::FormatDefault, 1234567, 0, "digits"},
        {sprite::NumberSprite::FormatCents, 1250, 0, "digits"},
        {sprite::NumberSprite::FormatTime, 3725, 0, "digits"},
        {sprite::NumberSprite::FormatSigned, 42, 0, "digits_small"},
        {sprite::NumberSprite::FormatDefault, -815, 0, "digits_small"},
        {sprite::NumberSprite::FormatPlain, 907, 5, "digits_plain"},
    };
    int32_t y = 16;
    for (const Row& row : rows) {
        Ref<sprite::NumberSprite> number = adopt(new sprite::NumberSprite(picture(row.digits).get(), row.format));
        number->setMinDigits(row.minDigits);
        number->setCellOverlap(4);
        number->setAlignment(2);
        number->setValue(row.value);
        number->setLocation(780, y);
        number->render(graphics);
        y += number->getHeight() + 6;
    }
}

void drawBursts(window::Graphics* graphics)
{
    sprite::RadialSpritePSX::seedGenerator(11);
    Ref<sprite::RadialSpritePSX> find = adopt(new sprite::RadialSpritePSX(3, 3));
    Ref<sprite::RadialSpritePSX> star = adopt(new sprite::RadialSpritePSX(8, 4));
    Ref<sprite::RadialSpritePSX> ring = adopt(new sprite::RadialSpritePSX(2, 1));
    find->setLocation(20, 230);
    star->setLocation(270, 200);
    ring->setLocation(250, -20);
    sprite::RadialSpritePSX* bursts[] = {find.get(), star.get(), ring.get()};
    util::RectangleNM bounds;
    util::Region dirty;
    for (sprite::RadialSpritePSX* burst : bursts)
        burst->start();
    for (int32_t frame = 1; frame <= 7; ++frame)
        for (sprite::RadialSpritePSX* burst : bursts)
            burst->update(frame, bounds, dirty);
    for (sprite::RadialSpritePSX* burst : bursts)
        burst->render(graphics);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs("usage: kipto2-text-gallery UI_FOLDER OUTPUT.png\n", stderr);
        return 2;
    }
    folder = argv[1];
    window::GlyphRasteriser::install(std::make_unique<window::FreeTypeRasteriser>());
    Ref<window::PixelImage> background = picture("bg_shop");
    if (!background->getPixels()) {
        std::fprintf(stderr, "kipto2-text-gallery: no pictures in %s\n", folder.c_str());
        return 1;
    }
    Ref<window::Graphics> graphics = adopt(background->getGraphics());
    drawFaces(graphics.get());
    drawParagraph(graphics.get());
    drawSystemText(graphics.get());
    drawNumbers(graphics.get());
    drawBursts(graphics.get());
    if (!window::writePngFile(*background, argv[2])) {
        std::fprintf(stderr, "kipto2-text-gallery: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
