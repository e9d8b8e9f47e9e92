#include "sprite/NumberSprite.h"

#include "sprite/text/Alignment.h"
#include "window/image/ImageArray.h"
#include "window/raster/Graphics.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace sprite {

NumberSprite::NumberSpriteClass NumberSprite::classObject("NumberSprite");

namespace {

std::mutex marksMutex;
bool marksKnown = false;
NumberMarks marks;

int32_t decimalDigits(int64_t v)
{
    int32_t count = 1;
    for (v = std::llabs(v); v >= 10; v /= 10)
        ++count;
    return count;
}

// Seconds as h * 10000 + m * 100 + s, so that the digits read h, mm, ss.
int32_t clockDigits(int32_t seconds)
{
    const int64_t magnitude = std::llabs(static_cast<int64_t>(seconds));
    int64_t rest = magnitude;
    const int64_t hours = rest >= 3600 ? rest / 3600 : 0;
    rest -= hours * 3600;
    const int64_t minutes = rest >= 60 ? rest / 60 : 0;
    rest -= minutes * 60;
    const int64_t digits = hours * 10000 + minutes * 100 + rest;
    return static_cast<int32_t>(seconds < 0 ? -digits : digits);
}

} // namespace

NumberMarks NumberSprite::getMarks()
{
    std::lock_guard<std::mutex> guard(marksMutex);
    if (!marksKnown) {
        marks = NumberMarks::ofUserLocale();
        marksKnown = true;
    }
    return marks;
}

void NumberSprite::setMarks(const NumberMarks& newMarks)
{
    std::lock_guard<std::mutex> guard(marksMutex);
    marks = newMarks;
    marksKnown = true;
}

NumberSprite::NumberSprite() = default;

NumberSprite::NumberSprite(window::ImageBase* digitPicture, int32_t format)
{
    digits = lang::retain(digitPicture);
    setFormat(format);
}

NumberSprite::~NumberSprite() = default;

bool NumberSprite::init(window::ImageArray* pictures, lang::IntArray* numbers)
{
    digits = lang::retain(pictures ? pictures->imageAt(0) : nullptr);
    setFormat(numberAt(numbers, 4, FormatDefault));
    cellOverlap = numberAt(numbers, 5, 0);
    minDigits = numberAt(numbers, 6, 0);
    setAlignment(numberAt(numbers, 2, 0));
    setValue(numberAt(numbers, 3, 0));
    setLocation(numberAt(numbers, 0), numberAt(numbers, 1));
    return true;
}

SpriteBase* NumberSprite::duplicate()
{
    auto* copy = new NumberSprite;
    copyNumberStateTo(*copy);
    return copy;
}

void NumberSprite::copyNumberStateTo(NumberSprite& other) const
{
    copyBoundsStateTo(other);
    other.value = value;
    other.target = target;
    other.step = step;
    other.counting = counting;
    other.digits = digits;
    other.plain = plain;
    other.cents = cents;
    other.time = time;
    other.isSigned = isSigned;
    other.alignment = alignment;
    other.minDigits = minDigits;
    other.cellOverlap = cellOverlap;
    other.separatorHalfCells = separatorHalfCells;
    other.halfCells = halfCells;
}

// --- value and format

void NumberSprite::setFormat(int32_t format)
{
    plain = format == FormatPlain;
    cents = format == FormatCents;
    time = format == FormatTime;
    isSigned = format == FormatSigned;
    resize();
}

void NumberSprite::setDigits(window::ImageBase* digitPicture)
{
    digits = lang::retain(digitPicture);
    resize();
}

void NumberSprite::setAlignment(int32_t newAlignment)
{
    alignment = clampAlignment(newAlignment);
    alignKeepingX(*this, alignment, AnchorTop);
}

void NumberSprite::setMinDigits(int32_t count)
{
    minDigits = count;
    resize();
}

void NumberSprite::setCellOverlap(int32_t pixels)
{
    cellOverlap = pixels;
    resize();
}

void NumberSprite::setSeparatorHalfCells(int32_t count)
{
    separatorHalfCells = count;
    resize();
}

int32_t NumberSprite::getCellWidth() const
{
    return digits ? digits->getWidth() / cellCount() : 0;
}

void NumberSprite::setValue(int32_t newValue)
{
    showValue(time ? clockDigits(newValue) : newValue);
}

void NumberSprite::showValue(int32_t shown)
{
    if (shown != value)
        markDirty();
    value = shown;
    resize();
}

int32_t NumberSprite::computeHalfCells(int32_t v) const
{
    int32_t n = std::max(2 * decimalDigits(v), 2);
    n = std::max(n, 2 * minDigits);
    if (cents) {
        n = n + 2 + (n - 6) / 6;
        if (v % 100 == 0 && v != 0) {
            n -= 4;
        } else {
            n += 1;
            if (v < 10)
                n += 2;
        }
    } else if (isSigned) {
        n += 2;
    } else if (time) {
        if (v > 9999 || minDigits > 4)
            n += separatorHalfCells;
        if (v > 99 || minDigits > 2)
            n += separatorHalfCells;
    } else if (!plain) {
        n += (n - 2) / 6;
    }
    if (v < 0 && !plain)
        n += 2;
    return n;
}

void NumberSprite::resize()
{
    halfCells = computeHalfCells(value);
    const int32_t cellWidth = getCellWidth();
    int32_t newWidth = (halfCells * cellWidth + 1) / 2;
    if (halfCells >= 4)
        newWidth -= (halfCells - 2) * cellOverlap / 2;
    setSize(std::max(0, newWidth), digits ? digits->getHeight() : 0);
}

// --- counting

void NumberSprite::countTo(int32_t newTarget)
{
    target = newTarget;
    step = target >= value ? 1 : -1;
    counting = target != value;
}

bool NumberSprite::isBusy() const
{
    return counting || BoundsSprite::isBusy();
}

void NumberSprite::stepCount()
{
    int64_t next = step;
    if (value < target) {
        while (value + next > target)
            next /= 2;
        next = std::max<int64_t>(next, 1);
        showValue(static_cast<int32_t>(value + next));
        next += next / 5 + 1;
    } else if (value > target) {
        while (value + next < target)
            next /= 2;
        next = std::min<int64_t>(next, -1);
        showValue(static_cast<int32_t>(value + next));
        // Downward the step grows the same way: by a fifth and one more.
        next += next / 5 - 1;
    } else {
        counting = false;
    }
    step = static_cast<int32_t>(std::clamp<int64_t>(next, INT32_MIN, INT32_MAX));
}

bool NumberSprite::update(int32_t frameNo, util::RectangleNM& outBounds, util::Region& dirtyRegion)
{
    if (counting)
        stepCount();
    return BoundsSprite::update(frameNo, outBounds, dirtyRegion);
}

// --- drawing

std::vector<NumberSprite::DrawnCell> NumberSprite::cellsToDraw() const
{
    std::vector<DrawnCell> cells;
    const int32_t cellWidth = getCellWidth();
    const int32_t halfWidth = cellWidth / 2;
    const NumberMarks numberMarks = plain ? NumberMarks{} : getMarks();
    int32_t x = width - width / 2;
    int64_t v = std::llabs(static_cast<int64_t>(value));
    int32_t count = 0;
    if (cents && v >= 100 && v % 100 == 0) {
        v /= 100;
        count = 3;
    }
    do {
        const auto digit = static_cast<int32_t>(v % 10);
        v /= 10;
        cells.push_back({plain ? digit : FirstDigitCell + digit, x - cellWidth, cellWidth});
        x = x - cellWidth + cellOverlap;
        ++count;
        if (!time) {
            if (count == 2 && cents) {
                x -= halfWidth;
                cells.push_back({numberMarks.decimalCell, x, halfWidth});
                x += (cellOverlap + 1) / 2;
                count = 3;
            } else if (count % 3 == 0 && (v > 0 || count < minDigits) && !plain) {
                x -= (cellWidth + 1) / 2;
                if (numberMarks.groupCell != NumberMarks::NoCell)
                    cells.push_back({numberMarks.groupCell, x, halfWidth});
                x += (cellOverlap + 1) / 2 + (cellWidth % 2 != 0 ? 1 : 0);
            }
        } else if (count % 2 == 0 && (v > 0 || count < minDigits)) {
            const int32_t room = separatorHalfCells == 1 ? (cellWidth + 1) / 2 : cellWidth;
            cells.push_back({TimeSeparatorCell, x - room, cellWidth});
            x = x - room + cellOverlap;
        }
    } while (v > 0 || (cents && count < 3 && value > 0) || count < minDigits);
    if (cents || (isSigned && value > 0)) {
        cells.push_back({PrefixCell, x - cellWidth, cellWidth});
        x = x - cellWidth + cellOverlap;
    }
    if (value < 0 && !plain)
        cells.push_back({MinusCell, x - cellWidth, cellWidth});
    return cells;
}

void NumberSprite::paint(window::Graphics* graphics)
{
    const int32_t cellWidth = getCellWidth();
    if (!digits || cellWidth <= 0)
        return;
    graphics->translate(x, y);
    graphics->setTint(color.getValue());
    const int32_t top = -(height / 2);
    const int32_t pictureHeight = digits->getHeight();
    for (const DrawnCell& cell : cellsToDraw()) {
        const util::RectangleNM source(cell.cell * cellWidth, 0, cell.width, pictureHeight);
        graphics->drawImageTransformedAt(digits.get(), cell.x, top, source, 1.0, 1.0, 0.0, 0);
    }
}

bool NumberSprite::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "NumberSprite") == 0 || BoundsSprite::isInstanceOf(className);
}

} // namespace sprite
