// The classic Windows C runtime generator (state := state * 214013 + 2531011, result bits 16 to
// 30), written here so that seeded sequences are the same on every platform. Like that runtime
// it keeps one state per thread, starting at 1. util::Random seeds from it and the process-wide
// Random::random draws from it.
#pragma once

#include <cstdint>

namespace util {

void crtSrand(uint32_t seed);
// The calling thread's next value, 0 to 32767.
int32_t crtRand();

// Milliseconds since the system started (wrapping at 2^32).
uint32_t millisSinceStart();
// What generators seed themselves with when nobody gives a seed: the number in the environment
// variable KIPTO2_SEED when it is set (for repeatable runs), else millisSinceStart().
uint32_t seedClock();

} // namespace util
