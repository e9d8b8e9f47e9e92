#include "sprite/text/NumberMarks.h"

#include <langinfo.h>
#include <locale.h>

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

NumberMarks NumberMarks::ofUserLocale()
{
    // A locale object of our own: the process-wide locale stays as it is.
    locale_t user = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    if (!user)
        return NumberMarks{};
    const std::string decimalPoint = nl_langinfo_l(RADIXCHAR, user);
    const std::string thousands = nl_langinfo_l(THOUSEP, user);
    freelocale(user);
    return fromSeparators(decimalPoint, thousands);
}

} // namespace sprite
