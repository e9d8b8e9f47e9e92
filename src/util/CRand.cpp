#include "util/CRand.h"

#include <chrono>
#include <cstdlib>

namespace util {

namespace {

thread_local uint32_t crtState = 1;

} // namespace

void crtSrand(uint32_t seed)
{
    crtState = seed;
}

int32_t crtRand()
{
    crtState = crtState * 214013u + 2531011u;
    return static_cast<int32_t>((crtState >> 16) & 0x7FFF);
}

uint32_t millisSinceStart()
{
    // steady_clock counts from boot on the platforms we build for.
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count());
}

uint32_t seedClock()
{
    static const char* fixedSeed = std::getenv("KIPTO2_SEED");
    if (fixedSeed && *fixedSeed)
        return static_cast<uint32_t>(std::strtoul(fixedSeed, nullptr, 10));
    return millisSinceStart();
}

} // namespace util
