#include "Verification.h"

#include "game/blitz/ScoreVerification.h"

namespace scores {

std::string Verification::make(std::string_view name, int32_t shop, int32_t score, int32_t r)
{
    lang::String bytes(name.data(), 0, static_cast<int32_t>(name.size()));
    return ScoreVerification::makeWith(bytes, shop, score, r).c_str();
}

bool Verification::check(std::string_view value, std::string_view name, int32_t shop, int32_t score)
{
    if (value.size() < 4 || value.size() > 32)
        return false;
    int32_t r = 0;
    for (size_t i = 0; i < 3; i++) {
        if (value[i] < '0' || value[i] > '9')
            return false;
        r = r * 10 + (value[i] - '0');
    }
    // The game writes a drawn 0 as 999, so "000" never comes from it.
    return r >= 1 && make(name, shop, score, r) == value;
}

} // namespace scores
