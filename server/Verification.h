// The check value a game sends with each submitted time: a random three-digit part, then two
// numbers made from it, the player's name, the shop and the score. Only a game that knows the
// recipe can make a value that fits a given name, shop and score.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace scores {

class Verification {
public:
    static constexpr std::string_view GameCode = "KPT2";

    // The name's bytes (0 to 255) and then the game code's bytes (signed, widened with their
    // sign) folded into 32 bits: each step rotates the hash left by 8 bits and ORs the byte in.
    static int32_t nameHash(std::string_view name, std::string_view gameCode = GameCode);

    // The value a game makes with the random part r (1 to 999) for these raw name bytes.
    static std::string make(std::string_view name, int32_t shop, int32_t score, int32_t r);

    // True when `value` is exactly what the game would have sent for this name, shop and score
    // with the random part it starts with.
    static bool check(std::string_view value, std::string_view name, int32_t shop, int32_t score);
};

} // namespace scores
