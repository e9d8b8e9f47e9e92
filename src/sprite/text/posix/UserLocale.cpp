// The user's number marks from the POSIX locale database.
#include "sprite/text/NumberMarks.h"

#include <langinfo.h>
#include <locale.h>

namespace sprite {

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
