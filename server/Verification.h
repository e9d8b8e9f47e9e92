// The check value of a submitted time, made by the game's recipe (game/blitz/ScoreVerification):
// a random three-digit part, then two numbers made from it, the player's raw name bytes, the
// shop and the score. The service rebuilds the value from its random part and compares.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace scores {

class Verification {
public:
    // The value the game makes with the random part r (1 to 999) for these raw name bytes.
    static std::string make(std::string_view name, int32_t shop, int32_t score, int32_t r);

    // True when `value` is exactly what the game would have sent for this name, shop and score
    // with the random part it starts with.
    static bool check(std::string_view value, std::string_view name, int32_t shop, int32_t score);
};

} // namespace scores
