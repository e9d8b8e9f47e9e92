// The UI kit's sheets keep the layout the tables rely on: five button cells, digit cells
// with marks in their left half, stickers inside their square.
#include "Decor.h"
#include "FontSheet.h"
#include "Sticker.h"
#include "Style.h"

#include <gtest/gtest.h>

using namespace contentgen;

namespace {

float brightness(const Picture& p, int x, int y)
{
    const Rgba& c = p.at(x, y);
    return c.a > 0 ? (c.r + c.g + c.b) / (3 * c.a) : 0.0f;
}

// Mean brightness of the opaque pixels of a cell's face area.
float faceBrightness(const Picture& p, int cellLeft)
{
    float sum = 0;
    int count = 0;
    for (int y = 12; y < 36; ++y)
        for (int x = cellLeft + 20; x < cellLeft + 100; ++x)
            if (p.at(x, y).a > 0.99f) {
                sum += brightness(p, x, y);
                ++count;
            }
    return count ? sum / count : 0.0f;
}

float inkIn(const Picture& p, int left, int width)
{
    float sum = 0;
    for (int y = 0; y < p.height(); ++y)
        for (int x = left; x < left + width; ++x)
            sum += p.at(x, y).a;
    return sum;
}

} // namespace

TEST(Buttons, FiveCellsInStateOrder)
{
    const ButtonLook look{style::orange, style::orangeDark};
    const Picture sheet = buttonSheet(120, 50, look, nullptr, "", 12);
    ASSERT_EQ(sheet.width(), 5 * 120);
    EXPECT_EQ(sheet.height(), 50);
    const float normal = faceBrightness(sheet, 0), hover = faceBrightness(sheet, 120), pressed = faceBrightness(sheet, 240);
    EXPECT_GT(hover, normal);
    EXPECT_LT(pressed, normal);
    const Rgba& grey = sheet.at(360 + 60, 20);
    EXPECT_NEAR(grey.r / grey.a, grey.b / grey.a, 0.12f); // the disabled face has no colour
    // Only the selected cell reaches above the button, with its gold ring.
    EXPECT_EQ(sheet.at(60, 1).a, 0.0f);
    EXPECT_GT(sheet.at(480 + 60, 1).a, 0.3f);
}

TEST(Digits, FifteenCellsWithMarksInTheLeftHalf)
{
    TextLook look;
    const Picture sheet = digitSheet(style::boldFont, 20, 30, 15, look);
    ASSERT_EQ(sheet.width(), 300);
    for (int cell : {3, 4}) {
        EXPECT_GT(inkIn(sheet, cell * 20, 10), 1.0f) << cell;
        EXPECT_EQ(inkIn(sheet, cell * 20 + 10, 10), 0.0f) << cell;
    }
    for (int cell = 5; cell < 15; ++cell)
        EXPECT_GT(inkIn(sheet, cell * 20, 20), 5.0f) << "digit " << cell - 5;
    EXPECT_EQ(digitSheet(style::boldFont, 20, 30, 10, look).width(), 200);
}

TEST(Stickers, EmojiFitTheirSquareWithClearCorners)
{
    const EmojiFont emoji(style::emojiFont);
    const Picture apple = emojiSticker(emoji, 0x1F34E, 48, 40);
    ASSERT_EQ(apple.width(), 48);
    ASSERT_EQ(apple.height(), 48);
    EXPECT_EQ(apple.at(0, 0).a, 0.0f);
    EXPECT_EQ(apple.at(47, 0).a, 0.0f);
    EXPECT_GT(apple.at(24, 24).a, 0.99f);
    EXPECT_THROW(emojiSticker(emoji, 'A', 48, 40), std::runtime_error);
}
