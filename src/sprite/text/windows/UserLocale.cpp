// The user's number marks from the Windows regional settings.
#include "sprite/text/NumberMarks.h"

#include <windows.h>

namespace sprite {

namespace {

// One of the user's locale texts in UTF-8; empty when Windows has none.
std::string userLocaleText(LCTYPE item)
{
    wchar_t text[16] = {};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, text, 16) == 0)
        return "";
    char utf8[64] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    return utf8;
}

} // namespace

NumberMarks NumberMarks::ofUserLocale()
{
    const std::string decimalPoint = userLocaleText(LOCALE_SDECIMAL);
    if (decimalPoint.empty())
        return NumberMarks{};
    return fromSeparators(decimalPoint, userLocaleText(LOCALE_STHOUSAND));
}

} // namespace sprite
