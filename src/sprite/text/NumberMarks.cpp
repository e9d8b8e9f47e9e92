#include "sprite/text/NumberMarks.h"

namespace sprite {

namespace {

// A space, a no-break space (Latin-1 or UTF-8) or a narrow no-break space.
bool isSpaceSeparator(const std::string& text)
{
    return text == " " || text == "\xA0" || text == "\xC2\xA0" || text == "\xE2\x80\xAF";
}

} // namespace

NumberMarks NumberMarks::fromSeparators(const std::string& decimalPoint, const std::string& thousands)
{
    NumberMarks marks;
    marks.decimalCell = decimalPoint == "." ? PointCell : CommaCell;
    if (isSpaceSeparator(thousands))
        marks.groupCell = NoCell;
    else if (thousands.empty() || thousands == ",")
        marks.groupCell = CommaCell;
    else
        marks.groupCell = PointCell;
    return marks;
}

} // namespace sprite
