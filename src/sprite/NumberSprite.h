// A number drawn from a picture of digit cells, right to left from the sprite's right edge:
// plain digits, amounts in hundredths with a prefix and a decimal mark, clock times, signed
// values, with grouping marks from the user's locale and a counting animation towards a target.
// The picture is one row of 15 equal cells (":", "-", the prefix, ",", ".", then 0 to 9), or of
// 10 (0 to 9) for plain numbers. Table entry: the digit picture; numbers x, y, [alignment,
// start value, format (1 plain, 2 cents, 3 time, 4 signed), cell overlap, minimum digits].
#pragma once

#include "lang/Class.h"
#include "sprite/BoundsSprite.h"
#include "sprite/text/NumberMarks.h"
#include "window/image/ImageBase.h"

#include <vector>

namespace sprite {

class NumberSprite : public BoundsSprite {
public:
    struct NumberSpriteClass : lang::ClassOf<NumberSprite> {
        using ClassOf::ClassOf;
    };
    static NumberSpriteClass classObject;

    // Formats as table entries give them; any other number is the default (grouped digits).
    static constexpr int32_t FormatDefault = 0;
    static constexpr int32_t FormatPlain = 1;
    static constexpr int32_t FormatCents = 2;
    static constexpr int32_t FormatTime = 3;
    static constexpr int32_t FormatSigned = 4;

    // Cells of the 15-cell picture.
    static constexpr int32_t TimeSeparatorCell = 0;
    static constexpr int32_t MinusCell = 1;
    static constexpr int32_t PrefixCell = 2;
    static constexpr int32_t FirstDigitCell = 5;

    // One cell as paint draws it: its left edge relative to the reference point and the width
    // drawn (half a cell for the separator marks).
    struct DrawnCell {
        int32_t cell = 0;
        int32_t x = 0;
        int32_t width = 0;
    };

    NumberSprite();
    // The digit picture gains a reference.
    NumberSprite(window::ImageBase* digits, int32_t format);
    ~NumberSprite() override;

    void paint(window::Graphics* graphics) override;
    bool init(window::ImageArray* pictures, lang::IntArray* numbers) override;
    SpriteBase* duplicate() override;
    // Steps the counting animation, then the sprite's own update.
    bool update(int32_t frameNo, util::RectangleNM& outBounds, util::Region& dirtyRegion) override;
    bool isBusy() const override;

    // In time format the seconds become h * 10000 + m * 100 + s; resizes the sprite, keeping its
    // anchored point.
    void setValue(int32_t newValue);
    int32_t getValue() const { return value; }
    // Counts the shown value to `newTarget`, faster the longer it runs (in time format both are
    // the clock's digits, h * 10000 + m * 100 + s).
    void countTo(int32_t newTarget);
    bool isCounting() const { return counting; }
    void setFormat(int32_t format);
    void setDigits(window::ImageBase* digits);
    // 0 left, 1 centre, 2 right: the anchor becomes 0x11, 0x21 or 0x41; getX() stays.
    void setAlignment(int32_t newAlignment);
    void setMinDigits(int32_t digits);
    void setCellOverlap(int32_t pixels);
    // The room a time separator takes, in half-cells (2 by default).
    void setSeparatorHalfCells(int32_t halfCells);
    int32_t getHalfCells() const { return halfCells; }
    int32_t getCellWidth() const;
    // The cells that paint draws, right to left.
    std::vector<DrawnCell> cellsToDraw() const;

    // The marks every number uses; read from the user's locale on first use unless set.
    static NumberMarks getMarks();
    static void setMarks(const NumberMarks& marks);

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "NumberSprite"; }

private:
    void copyNumberStateTo(NumberSprite& other) const;
    int32_t cellCount() const { return plain ? 10 : 15; }
    // The length of the value in half-cells by the format.
    int32_t computeHalfCells(int32_t v) const;
    // Takes the value as it is drawn and resizes.
    void showValue(int32_t shown);
    // Recomputes the half-cells and the size.
    void resize();
    void stepCount();

    int32_t value = 0;
    int32_t target = 0;
    int32_t step = 0;
    bool counting = false;
    lang::Ref<window::ImageBase> digits;
    bool plain = false;
    bool cents = false;
    bool time = false;
    bool isSigned = false;
    int32_t alignment = 0;
    int32_t minDigits = 0;
    int32_t cellOverlap = 0;
    int32_t separatorHalfCells = 2;
    int32_t halfCells = 0;
};

} // namespace sprite
