// The rules of a player profile's name: at most 9 characters, each a letter A-Z or a-z, a
// digit, a space, "-", "." or a Western letter (codes 192 to 255), and something left after
// trimming. Names compare without regard to ASCII case, as the settings store's keys do.
#pragma once

#include "lang/String.h"

class ProfileName {
public:
    static constexpr int32_t MaxLength = 9;

    static bool isAllowedChar(int32_t code);
    // Drops the bytes 32 and below at both ends; letters above 127 stay.
    static lang::String trim(const lang::String& name);
    // The name as typed follows every rule (it is not trimmed here).
    static bool isValid(const lang::String& name);
    static bool same(const lang::String& a, const lang::String& b);
};
