// What a player name sent to the service may be: the rule of the game's profile names.
#pragma once

#include <string_view>

namespace scores {

struct NameRule {
    static constexpr size_t MaxLength = 9;

    // One to nine bytes, each a letter A-Z or a-z, a digit, a space, "-", "." or a Western
    // letter (bytes 192 to 255 of Windows-1252), and something left after trimming spaces.
    static bool isValid(std::string_view name);
};

} // namespace scores
