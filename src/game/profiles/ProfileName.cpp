#include "game/profiles/ProfileName.h"

namespace {

bool isBlank(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

int32_t asciiLower(char c)
{
    const auto code = static_cast<unsigned char>(c);
    return code >= 'A' && code <= 'Z' ? code + ('a' - 'A') : code;
}

} // namespace

bool ProfileName::isAllowedChar(int32_t code)
{
    return lang::String::isNameChar(code);
}

lang::String ProfileName::trim(const lang::String& name)
{
    int32_t first = 0;
    int32_t last = name.length();
    while (first < last && isBlank(name.charAt(first)))
        ++first;
    while (last > first && isBlank(name.charAt(last - 1)))
        --last;
    return name.substring(first, last);
}

bool ProfileName::isValid(const lang::String& name)
{
    if (name.length() > MaxLength || trim(name).isEmpty())
        return false;
    for (int32_t i = 0; i < name.length(); ++i) {
        if (!isAllowedChar(static_cast<unsigned char>(name.charAt(i))))
            return false;
    }
    return true;
}

bool ProfileName::same(const lang::String& a, const lang::String& b)
{
    if (a.length() != b.length())
        return false;
    for (int32_t i = 0; i < a.length(); ++i) {
        if (asciiLower(a.charAt(i)) != asciiLower(b.charAt(i)))
            return false;
    }
    return true;
}
