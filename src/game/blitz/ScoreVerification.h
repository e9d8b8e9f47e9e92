// The check value sent with a submitted Blitz time, so that the score service accepts only
// times sent by the game: a random three-digit part r, "A", ((h mod 1000) XOR r XOR shop), "A",
// ((r * r + score) XOR h), where h folds the raw name bytes and the game code into 32 bits.
#pragma once

#include "lang/String.h"

struct ScoreVerification {
    static constexpr const char* GameCode = "KPT2";

    // Each name byte (0 to 255) and then each game-code byte (widened with its sign) is ORed
    // into the hash after rotating it left by 8 bits.
    static int32_t nameHash(const lang::String& name, const char* gameCode = GameCode);

    // The value with r drawn from the process-wide random number.
    static lang::String make(const lang::String& name, int32_t shop, int32_t score);
    // The value for a drawn r of 0 to 1000; 0 and 1000 are written as 999.
    static lang::String makeWith(const lang::String& name, int32_t shop, int32_t score, int32_t r);
};
