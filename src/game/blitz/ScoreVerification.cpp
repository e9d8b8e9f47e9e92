#include "game/blitz/ScoreVerification.h"

#include "util/Random.h"

#include <cstdio>

int32_t ScoreVerification::nameHash(const lang::String& name, const char* gameCode)
{
    uint32_t hash = 0;
    auto fold = [&hash](uint32_t byte) { hash = (hash << 8) | (hash >> 24) | byte; };
    for (int32_t i = 0; i < name.length(); i++)
        fold(static_cast<unsigned char>(name.charAt(i)));
    for (const char* c = gameCode; *c; c++)
        fold(static_cast<uint32_t>(static_cast<int32_t>(static_cast<signed char>(*c))));
    return static_cast<int32_t>(hash);
}

lang::String ScoreVerification::make(const lang::String& name, int32_t shop, int32_t score)
{
    return makeWith(name, shop, score, static_cast<int32_t>(1000 * util::Random::random()));
}

lang::String ScoreVerification::makeWith(const lang::String& name, int32_t shop, int32_t score, int32_t r)
{
    if (r <= 0 || r >= 1000)
        r = 999;
    int32_t hash = nameHash(name);
    int32_t middle = (hash % 1000) ^ r ^ shop;
    // Wrapping 32-bit arithmetic, as the service computes it.
    uint32_t square = static_cast<uint32_t>(r) * static_cast<uint32_t>(r) + static_cast<uint32_t>(score);
    int32_t last = static_cast<int32_t>(square) ^ hash;
    char text[48];
    std::snprintf(text, sizeof text, "%03dA%dA%d", static_cast<int>(r), static_cast<int>(middle),
                  static_cast<int>(last));
    return lang::String(text);
}
