// Reference pictures of the text sprites, compared pixel for pixel: a paragraph of bitmap text
// in two faces with colours, and a number in every format. Fonts and digits are pictures of
// tests/data/sprite made by the font baker and the content generator.
#include "sprite/NewFontSprite.h"
#include "sprite/NumberSprite.h"

#include "sprite/text_test_support.h"
#include "window/raster/Graphics.h"

#include <gtest/gtest.h>

using lang::adopt;
using lang::Ref;
using sprite::NewFontSprite;
using sprite::NumberSprite;
using namespace text_testing;

namespace {

Ref<window::PixelImage> canvas(int32_t width, int32_t height, uint32_t background)
{
    Ref<window::PixelImage> picture = adopt(new window::PixelImage(width, height));
    std::fill_n(picture->getPixels(), width * height, background);
    return picture;
}

// Styles of the words of a text: face 1 for the given words, and underline for others.
std::vector<uint8_t> stylesOf(const lang::String& text, const std::vector<std::string>& boldWords,
    const std::string& underlined)
{
    std::vector<uint8_t> styles(static_cast<size_t>(text.length()), 0);
    const std::string whole = text.c_str();
    for (const std::string& word : boldWords)
        for (size_t at = whole.find(word); at != std::string::npos; at = whole.find(word, at + 1))
            std::fill_n(styles.begin() + static_cast<std::ptrdiff_t>(at), word.size(), 1);
    const size_t at = whole.find(underlined);
    std::fill_n(styles.begin() + static_cast<std::ptrdiff_t>(at), underlined.size(), NewFontSprite::StyleUnderline);
    return styles;
}

} // namespace

TEST(TextGolden, ParagraphInTwoFacesWithColours)
{
    if (testDataFolder().empty())
        GTEST_SKIP() << "KIPTO2_TEST_DATA is not set";
    Ref<window::PixelImage> regular = loadTestPicture("font_regular.png");
    Ref<window::PixelImage> regularMetrics = loadTestPicture("font_regular_m.png");
    Ref<window::PixelImage> bold = loadTestPicture("font_bold.png");
    Ref<window::PixelImage> boldMetrics = loadTestPicture("font_bold_m.png");
    Ref<NewFontSprite> text = adopt(new NewFontSprite(regular.get(), regularMetrics.get()));
    text->setFace(1, bold.get(), boldMetrics.get());
    text->setAlignment(1);
    text->setAlignEachLine(true);
    text->setLineSpacing(2);
    text->setWrapWidth(300);
    text->setText("Welcome to the corner shop! Fresh bread, ripe apples and cold milk wait on the "
                  "shelves. Serve every customer before the bell rings \x96 and mind the prices.");
    const lang::String shown = text->getText();
    text->setCharStyles(stylesOf(shown, {"Welcome", "Fresh", "bell"}, "prices"));
    std::vector<uint32_t> colors(static_cast<size_t>(shown.length()), 0x808080u);
    const std::string whole = shown.c_str();
    std::fill_n(colors.begin() + static_cast<std::ptrdiff_t>(whole.find("bread")), 5, 0xF0C060u);
    std::fill_n(colors.begin() + static_cast<std::ptrdiff_t>(whole.find("apples")), 6, 0xFF4030u);
    std::fill_n(colors.begin() + static_cast<std::ptrdiff_t>(whole.find("milk")), 4, 0x90D0FFu);
    std::fill_n(colors.begin() + static_cast<std::ptrdiff_t>(whole.find("bell")), 4, 0xFFD020u);
    text->setCharColors(colors);
    text->setLocation(170, 6);
    Ref<window::PixelImage> picture = canvas(340, 136, 0xFF3A6E8Cu);
    Ref<window::Graphics> graphics = adopt(picture->getGraphics());
    text->render(graphics.get());
    EXPECT_EQ(differenceFromGolden(*picture, "golden_newfont_paragraph.png"), 0);
}

TEST(TextGolden, NumberInEveryFormat)
{
    if (testDataFolder().empty())
        GTEST_SKIP() << "KIPTO2_TEST_DATA is not set";
    NumberSprite::setMarks(sprite::NumberMarks{sprite::NumberMarks::PointCell, sprite::NumberMarks::CommaCell});
    Ref<window::PixelImage> digits = loadTestPicture("digits15.png");
    Ref<window::PixelImage> plainDigits = loadTestPicture("digits10.png");
    struct Row {
        int32_t format;
        int32_t value;
        int32_t minDigits;
        int32_t overlap;
    };
    const Row rows[] = {
        {NumberSprite::FormatDefault, 1234567, 0, 4},
        {NumberSprite::FormatPlain, 907, 5, 0},
        {NumberSprite::FormatCents, 1250, 0, 4},
        {NumberSprite::FormatCents, 5, 0, 4},
        {NumberSprite::FormatTime, 3725, 0, 4},
        {NumberSprite::FormatTime, 75, 3, 4},
        {NumberSprite::FormatSigned, 42, 0, 4},
        {NumberSprite::FormatDefault, -815, 0, 4},
    };
    Ref<window::PixelImage> picture = canvas(260, 8 * 36 + 4, 0xFF2E4A3Cu);
    Ref<window::Graphics> graphics = adopt(picture->getGraphics());
    int32_t top = 2;
    for (const Row& row : rows) {
        Ref<NumberSprite> number =
            adopt(new NumberSprite(row.format == NumberSprite::FormatPlain ? plainDigits.get() : digits.get(), row.format));
        number->setCellOverlap(row.overlap);
        number->setMinDigits(row.minDigits);
        number->setAlignment(2);
        number->setValue(row.value);
        number->setLocation(250, top);
        if (row.format == NumberSprite::FormatTime && row.minDigits == 3)
            number->setSeparatorHalfCells(1);
        number->render(graphics.get());
        top += 36;
    }
    EXPECT_EQ(differenceFromGolden(*picture, "golden_number_formats.png"), 0);
}
