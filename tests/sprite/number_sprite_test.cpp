// NumberSprite: the cells drawn for each format, cell by cell with their positions, the size
// in half-cells, the marks of the locale, the counting animation and the table entry.
#include "sprite/NumberSprite.h"

#include "sprite/text_test_support.h"
#include "util/Region.h"
#include "window/image/ImageArray.h"

#include <gtest/gtest.h>

#include <string>

using lang::adopt;
using lang::Ref;
using sprite::NumberMarks;
using sprite::NumberSprite;
using namespace text_testing;

namespace {

constexpr int32_t CellWidth = 10;

// The cells as "cell@x" (and "/w" for a cell drawn narrower than a whole one), right to left.
std::string describe(const NumberSprite& number)
{
    std::string out;
    for (const NumberSprite::DrawnCell& cell : number.cellsToDraw()) {
        out += (out.empty() ? "" : " ") + std::to_string(cell.cell) + "@" + std::to_string(cell.x);
        if (cell.width != number.getCellWidth())
            out += "/" + std::to_string(cell.width);
    }
    return out;
}

class NumberTest : public ::testing::Test {
protected:
    NumberTest() : digits(makeDigits(15, CellWidth, 16)), plainDigits(makeDigits(10, CellWidth, 16))
    {
        NumberSprite::setMarks(NumberMarks{NumberMarks::PointCell, NumberMarks::CommaCell});
    }

    Ref<NumberSprite> number(int32_t format, int32_t value, int32_t minDigits = 0)
    {
        Ref<NumberSprite> made = adopt(new NumberSprite(format == NumberSprite::FormatPlain ? plainDigits.get() : digits.get(), format));
        made->setMinDigits(minDigits);
        made->setValue(value);
        return made;
    }

    Ref<window::PixelImage> digits;
    Ref<window::PixelImage> plainDigits;
};

} // namespace

TEST_F(NumberTest, CentsDrawPrefixDigitsAndDecimalMark)
{
    // $ 1 2 . 5 0, right to left; the mark is half a cell.
    Ref<NumberSprite> amount = number(NumberSprite::FormatCents, 1250);
    EXPECT_EQ(amount->getHalfCells(), 11);
    EXPECT_EQ(amount->getWidth(), 55);
    EXPECT_EQ(describe(*amount), "5@18 10@8 4@3/5 7@-7 6@-17 2@-27");
    // Whole amounts lose their hundredths: $ 1 2.
    amount->setValue(1200);
    EXPECT_EQ(amount->getHalfCells(), 6);
    EXPECT_EQ(describe(*amount), "7@5 6@-5 2@-15");
    // Below a dime: $ . 0 5.
    amount->setValue(5);
    EXPECT_EQ(amount->getHalfCells(), 7);
    EXPECT_EQ(describe(*amount), "10@8 5@-2 4@-7/5 2@-17");
}

TEST_F(NumberTest, TimeShowsMinutesAndSecondsWithMinimumDigits)
{
    // 75 seconds: 1 : 1 5.
    Ref<NumberSprite> clock = number(NumberSprite::FormatTime, 75, 3);
    EXPECT_EQ(clock->getValue(), 115);
    EXPECT_EQ(clock->getHalfCells(), 8);
    EXPECT_EQ(describe(*clock), "10@10 6@0 0@-10 6@-20");
    // 5 seconds: 0 : 0 5.
    clock->setValue(5);
    EXPECT_EQ(describe(*clock), "10@10 5@0 0@-10 5@-20");
}

TEST_F(NumberTest, TimeOfAnHourAndMore)
{
    Ref<NumberSprite> clock = number(NumberSprite::FormatTime, 3725);
    EXPECT_EQ(clock->getValue(), 10205);
    EXPECT_EQ(clock->getHalfCells(), 14);
    // 1 : 0 2 : 0 5
    EXPECT_EQ(describe(*clock), "10@25 5@15 0@5 7@-5 5@-15 0@-25 6@-35");
    clock->setValue(3600);
    EXPECT_EQ(clock->getValue(), 10000);
    clock->setValue(59);
    EXPECT_EQ(clock->getValue(), 59);
}

TEST_F(NumberTest, HalfCellSeparatorsOfTheShopClock)
{
    Ref<NumberSprite> clock = number(NumberSprite::FormatTime, 75, 3);
    clock->setSeparatorHalfCells(1);
    EXPECT_EQ(clock->getHalfCells(), 7);
    EXPECT_EQ(clock->getWidth(), 35);
    // The separator is drawn whole from half a cell to the left; the next digit covers it.
    EXPECT_EQ(describe(*clock), "10@8 6@-2 0@-7 6@-17");
}

TEST_F(NumberTest, DefaultFormatGroupsThousands)
{
    Ref<NumberSprite> big = number(NumberSprite::FormatDefault, 1234567);
    EXPECT_EQ(big->getHalfCells(), 16);
    // 1 , 2 3 4 , 5 6 7
    EXPECT_EQ(describe(*big), "12@30 11@20 10@10 3@5/5 9@-5 8@-15 7@-25 3@-30/5 6@-40");
    Ref<NumberSprite> small = number(NumberSprite::FormatDefault, 123);
    EXPECT_EQ(small->getHalfCells(), 6);
    EXPECT_EQ(describe(*small), "8@5 7@-5 6@-15");
}

TEST_F(NumberTest, LocaleMarksChooseTheCells)
{
    NumberSprite::setMarks(NumberMarks{NumberMarks::CommaCell, NumberMarks::NoCell});
    Ref<NumberSprite> big = number(NumberSprite::FormatDefault, 1234);
    // The room of the grouping mark stays empty.
    EXPECT_EQ(describe(*big), "9@13 8@3 7@-7 6@-22");
    Ref<NumberSprite> amount = number(NumberSprite::FormatCents, 1250);
    EXPECT_EQ(describe(*amount), "5@18 10@8 3@3/5 7@-7 6@-17 2@-27");
}

TEST(NumberMarksTest, SeparatorsOfLocales)
{
    const NumberMarks english = NumberMarks::fromSeparators(".", ",");
    EXPECT_EQ(english.decimalCell, NumberMarks::PointCell);
    EXPECT_EQ(english.groupCell, NumberMarks::CommaCell);
    const NumberMarks german = NumberMarks::fromSeparators(",", ".");
    EXPECT_EQ(german.decimalCell, NumberMarks::CommaCell);
    EXPECT_EQ(german.groupCell, NumberMarks::PointCell);
    EXPECT_EQ(NumberMarks::fromSeparators(",", " ").groupCell, NumberMarks::NoCell);
    EXPECT_EQ(NumberMarks::fromSeparators(",", "\xC2\xA0").groupCell, NumberMarks::NoCell);
    EXPECT_EQ(NumberMarks::fromSeparators(",", "\xE2\x80\xAF").groupCell, NumberMarks::NoCell);
    EXPECT_EQ(NumberMarks::fromSeparators(".", "'").groupCell, NumberMarks::PointCell);
    // The C locale has no thousands separator.
    EXPECT_EQ(NumberMarks::fromSeparators(".", "").groupCell, NumberMarks::CommaCell);
}

TEST_F(NumberTest, SignsPlainDigitsAndOverlap)
{
    Ref<NumberSprite> up = number(NumberSprite::FormatSigned, 42);
    EXPECT_EQ(describe(*up), "7@5 9@-5 2@-15");
    Ref<NumberSprite> down = number(NumberSprite::FormatSigned, -42);
    EXPECT_EQ(down->getHalfCells(), 8);
    EXPECT_EQ(describe(*down), "7@10 9@0 1@-10");
    Ref<NumberSprite> negative = number(NumberSprite::FormatDefault, -7);
    EXPECT_EQ(describe(*negative), "12@0 1@-10");
    Ref<NumberSprite> plain = number(NumberSprite::FormatPlain, -507);
    EXPECT_EQ(plain->getHalfCells(), 6);
    EXPECT_EQ(describe(*plain), "7@5 0@-5 5@-15");
    Ref<NumberSprite> overlapping = number(NumberSprite::FormatDefault, 1234);
    overlapping->setCellOverlap(2);
    EXPECT_EQ(overlapping->getWidth(), 38);
    EXPECT_EQ(describe(*overlapping), "9@9 8@1 7@-7 3@-10/5 6@-19");
}

TEST_F(NumberTest, MinimumDigitsPadWithZeros)
{
    Ref<NumberSprite> padded = number(NumberSprite::FormatPlain, 7, 3);
    EXPECT_EQ(padded->getWidth(), 30);
    EXPECT_EQ(describe(*padded), "7@5 0@-5 0@-15");
}

TEST_F(NumberTest, CountingFromZeroReachesExactlyOneHundred)
{
    Ref<NumberSprite> counter = number(NumberSprite::FormatDefault, 0);
    counter->countTo(100);
    EXPECT_TRUE(counter->isBusy());
    std::vector<int32_t> seen;
    util::RectangleNM bounds;
    util::Region dirty;
    for (int32_t frame = 1; frame <= 50 && counter->isCounting(); ++frame) {
        counter->update(frame, bounds, dirty);
        seen.push_back(counter->getValue());
    }
    const std::vector<int32_t> expected{1, 3, 6, 10, 15, 22, 31, 42, 56, 73, 94, 100, 100};
    EXPECT_EQ(seen, expected);
    EXPECT_FALSE(counter->isCounting());
    EXPECT_FALSE(counter->isBusy());
    EXPECT_EQ(counter->getHalfCells(), 6);
}

TEST_F(NumberTest, CountingDownStopsOnTheTarget)
{
    Ref<NumberSprite> counter = number(NumberSprite::FormatDefault, 5000);
    counter->countTo(-3);
    util::RectangleNM bounds;
    util::Region dirty;
    int32_t previous = counter->getValue();
    int32_t frames = 0;
    while (counter->isCounting() && frames < 200) {
        counter->update(++frames, bounds, dirty);
        EXPECT_LE(counter->getValue(), previous);
        EXPECT_GE(counter->getValue(), -3);
        previous = counter->getValue();
    }
    EXPECT_EQ(counter->getValue(), -3);
    // The step grows by a fifth each frame, so 5000 takes few frames.
    EXPECT_LT(frames, 40);
}

TEST_F(NumberTest, TableEntryReadsAlignmentValueFormatOverlapAndDigits)
{
    Ref<window::ImageArray> pictures = adopt(new window::ImageArray);
    pictures->append(digits.get());
    Ref<lang::IntArray> numbers = adopt(new lang::IntArray(7));
    const int32_t values[7] = {200, 10, 2, 1250, NumberSprite::FormatCents, 0, 0};
    for (int32_t i = 0; i < 7; ++i)
        (*numbers)[i] = values[i];
    Ref<NumberSprite> amount = adopt(new NumberSprite);
    amount->init(pictures.get(), numbers.get());
    EXPECT_EQ(amount->getValue(), 1250);
    EXPECT_EQ(amount->getAnchor(), 0x41);
    EXPECT_EQ(amount->getX(), 200);
    EXPECT_EQ(amount->getBounds().x, 145);
    EXPECT_EQ(amount->getBounds().y, 10);
    EXPECT_EQ(amount->getHeight(), 16);
    // A wider value grows to the left of the right edge.
    amount->setValue(125000);
    EXPECT_EQ(amount->getX(), 200);
}

TEST_F(NumberTest, PaintDrawsEachCellFromTheRightEdge)
{
    Ref<NumberSprite> amount = number(NumberSprite::FormatCents, 1250);
    amount->setLocation(100, 20);
    amount->setColor(0x80FF8080u);
    Ref<window::PixelImage> target = adopt(new window::PixelImage(200, 60));
    RecordingGraphics graphics(target.get());
    amount->paint(&graphics);
    ASSERT_EQ(graphics.pictures.size(), 6u);
    // The reference point is (127, 28); the rightmost cell's left edge is 18 right of it.
    EXPECT_EQ(graphics.pictures[0].source.x, 5 * CellWidth);
    EXPECT_EQ(graphics.pictures[0].centreX, 127 + 18 + 5);
    EXPECT_EQ(graphics.pictures[0].centreY, 28);
    EXPECT_EQ(graphics.pictures[2].source.x, 4 * CellWidth);
    EXPECT_EQ(graphics.pictures[2].source.width, 5);
    EXPECT_EQ(graphics.pictures[2].centreX, 127 + 3 + 2);
    EXPECT_EQ(graphics.pictures[5].source.x, 2 * CellWidth);
    for (const DrawnPicture& drawn : graphics.pictures) {
        EXPECT_EQ(drawn.tint, 0x80FF8080u);
        EXPECT_EQ(drawn.scaleX, 1.0);
        EXPECT_EQ(drawn.angle, 0.0);
    }
}
