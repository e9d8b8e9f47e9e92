#include "Verification.h"

#include <cstdio>

namespace scores {

int32_t Verification::nameHash(std::string_view name, std::string_view gameCode)
{
    uint32_t hash = 0;
    auto fold = [&hash](uint32_t byte) { hash = (hash << 8) | (hash >> 24) | byte; };
    for (char c : name)
        fold(static_cast<unsigned char>(c));
    for (char c : gameCode)
        fold(static_cast<uint32_t>(static_cast<int32_t>(static_cast<signed char>(c))));
    return static_cast<int32_t>(hash);
}

std::string Verification::make(std::string_view name, int32_t shop, int32_t score, int32_t r)
{
    int32_t hash = nameHash(name);
    int32_t middle = (hash % 1000) ^ r ^ shop;
    // The game computes in wrapping 32-bit arithmetic.
    uint32_t square = static_cast<uint32_t>(r) * static_cast<uint32_t>(r) + static_cast<uint32_t>(score);
    int32_t last = static_cast<int32_t>(square) ^ hash;
    char text[48];
    std::snprintf(text, sizeof text, "%03dA%dA%d", static_cast<int>(r), static_cast<int>(middle),
                  static_cast<int>(last));
    return text;
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
    return r >= 1 && make(name, shop, score, r) == value;
}

} // namespace scores
