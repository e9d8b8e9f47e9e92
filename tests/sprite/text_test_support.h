// Test helpers of the text, number and effect sprites: a bitmap font made in memory with glyphs
// of known sizes, a digit picture, and a drawing target that records the pictures and bars
// drawn on it (in target coordinates) before drawing them; sprites paint on it directly.
#pragma once

#include "lang/Ref.h"
#include "sprite/text/GlyphFace.h"
#include "util/RectangleNM.h"
#include "window/raster/ImageGraphics.h"
#include "window/raster/PixelImage.h"

#include <cstring>
#include <functional>
#include <vector>

namespace text_testing {

using lang::Ref;

struct TestFont {
    Ref<window::PixelImage> sheet;
    Ref<window::PixelImage> metrics;
};

// Glyphs sit in cells of 16 x lineHeight pixels, 16 to a row; every pixel of a glyph's box is
// `ink`. The metrics picture is 6 x 256 pixels whose values are the integers.
inline TestFont makeTestFont(int32_t lineHeight, const std::function<sprite::Glyph(uint8_t)>& glyphOf,
    uint32_t ink = 0xFFFFFFFFu)
{
    TestFont font;
    font.sheet = lang::adopt(new window::PixelImage(256, 16 * lineHeight));
    font.sheet->setHasAlpha(true);
    font.metrics = lang::adopt(new window::PixelImage(6, 256));
    uint32_t* table = font.metrics->getPixels();
    uint32_t* sheet = font.sheet->getPixels();
    for (int32_t index = 0; index < 256; ++index) {
        const auto code = static_cast<uint8_t>(index + 32);
        sprite::Glyph glyph = glyphOf(code);
        glyph.sourceX = (index % 16) * 16;
        glyph.sourceY = (index / 16) * lineHeight;
        const int32_t values[6] = {glyph.sourceX, glyph.sourceY, glyph.width, glyph.height, glyph.leftOffset, glyph.advance};
        for (int32_t i = 0; i < 6; ++i)
            std::memcpy(&table[index * 6 + i], &values[i], 4);
        for (int32_t y = 0; y < glyph.height; ++y)
            for (int32_t x = 0; x < glyph.width && x < 16; ++x)
                sheet[(glyph.sourceY + y) * 256 + glyph.sourceX + x] = ink;
    }
    return font;
}

// Every glyph `advance` wide (the space included) and a line high, with no overhang.
inline TestFont makeMonospaceFont(int32_t advance, int32_t lineHeight)
{
    return makeTestFont(lineHeight, [=](uint8_t) { return sprite::Glyph{0, 0, advance, lineHeight, 0, advance}; });
}

// A digit picture of `cells` cells of the given size.
inline Ref<window::PixelImage> makeDigits(int32_t cells, int32_t cellWidth, int32_t height)
{
    Ref<window::PixelImage> digits = lang::adopt(new window::PixelImage(cells * cellWidth, height));
    digits->setHasAlpha(true);
    std::fill_n(digits->getPixels(), cells * cellWidth * height, 0xFF808080u);
    return digits;
}

struct DrawnPicture {
    window::ImageBase* image;
    int32_t centreX;
    int32_t centreY;
    util::RectangleNM source;
    double scaleX;
    double scaleY;
    double angle;
    uint32_t tint;
};

struct FilledBar {
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
    uint32_t color;
};

class RecordingGraphics : public window::ImageGraphics {
public:
    explicit RecordingGraphics(window::ImageBase* target) : ImageGraphics(target) {}

    bool drawImageTransformed(window::ImageBase* image, int32_t centreX, int32_t centreY, const util::RectangleNM& source,
        double scaleX, double scaleY, double angle, int32_t flip) override
    {
        pictures.push_back({image, centreX + translateX, centreY + translateY, source, scaleX, scaleY, angle, tint});
        return ImageGraphics::drawImageTransformed(image, centreX, centreY, source, scaleX, scaleY, angle, flip);
    }

    void fillRect(int32_t x, int32_t y, int32_t width, int32_t height) override
    {
        bars.push_back({x + translateX, y + translateY, width, height, penColor});
        ImageGraphics::fillRect(x, y, width, height);
    }
    using ImageGraphics::fillRect;

    std::vector<DrawnPicture> pictures;
    std::vector<FilledBar> bars;
};

} // namespace text_testing

#include "PngWriter.h"

#include <cstdlib>
#include <string>

namespace text_testing {

// The folder of the test pictures; empty when the tests run outside CTest.
inline std::string testDataFolder()
{
    const char* folder = std::getenv("KIPTO2_TEST_DATA");
    return folder ? std::string(folder) + "/sprite/" : std::string();
}

// A picture of tests/data/sprite, decoded at once.
inline Ref<window::PixelImage> loadTestPicture(const std::string& name)
{
    return lang::adopt(new window::PixelImage(lang::String((testDataFolder() + name).c_str())));
}

// The number of pixels in which the picture differs from the golden PNG (-1 when their sizes
// differ or the golden cannot be read). With KIPTO2_UPDATE_GOLDEN set the golden is rewritten
// from the picture instead. A picture that differs is written beside the test binary.
inline int32_t differenceFromGolden(window::ImageBase& picture, const std::string& goldenName)
{
    const std::string path = testDataFolder() + goldenName;
    if (std::getenv("KIPTO2_UPDATE_GOLDEN"))
        window::writePngFile(picture, path.c_str());
    Ref<window::PixelImage> golden = lang::adopt(new window::PixelImage(lang::String(path.c_str())));
    if (!golden->getPixels() || golden->getWidth() != picture.getWidth() || golden->getHeight() != picture.getHeight())
        return -1;
    int32_t differing = 0;
    for (int32_t i = 0; i < picture.getWidth() * picture.getHeight(); ++i)
        differing += golden->getPixels()[i] != picture.getPixels()[i] ? 1 : 0;
    if (differing != 0)
        window::writePngFile(picture, ("actual_" + goldenName).c_str());
    return differing;
}

} // namespace text_testing
