#include "util/Random.h"

#include "lang/SyncGuard.h"
#include "util/CRand.h"

#include <bit>
#include <cstring>

namespace util {

namespace {

// One mixing round of the initialisation: ISAAC's, with right rotations instead of shifts.
void mix(uint32_t (&r)[8])
{
    r[0] ^= r[1] << 11;            r[3] += r[0]; r[1] += r[2];
    r[1] ^= std::rotr(r[2], 2);    r[4] += r[1]; r[2] += r[3];
    r[2] ^= r[3] << 8;             r[5] += r[2]; r[3] += r[4];
    r[3] ^= std::rotr(r[4], 16);   r[6] += r[3]; r[4] += r[5];
    r[4] ^= r[5] << 10;            r[7] += r[4]; r[5] += r[6];
    r[5] ^= std::rotr(r[6], 4);    r[0] += r[5]; r[6] += r[7];
    r[6] ^= r[7] << 8;             r[1] += r[6]; r[7] += r[0];
    r[7] ^= std::rotr(r[0], 9);    r[2] += r[7]; r[0] += r[1];
}

// Adds eight words of `source` into the registers, mixes, and stores the registers in `target`.
void mixInto(uint32_t (&r)[8], const uint32_t* source, uint32_t* target)
{
    for (int k = 0; k < 8; ++k)
        r[k] += source[k];
    mix(r);
    std::memcpy(target, r, sizeof r);
}

} // namespace

Random::Random()
{
    setSeed(seedClock());
}

void Random::setSeed(uint32_t seed)
{
    SyncGuard guard(*this);
    a = b = c = 0;
    crtSrand(seed);
    for (int skip = crtRand() % 10000; skip > 0; --skip)
        crtRand();
    for (uint32_t& word : results)
        word = static_cast<uint32_t>(crtRand());
    seedTime = millisSinceStart();
    std::memset(memory, 0, sizeof memory);
    initialise();
    generate();
    remaining = Size;
}

void Random::initialise()
{
    uint32_t r[8];
    for (uint32_t& word : r)
        word = 0x9E3779B9u; // the golden ratio
    for (int round = 0; round < 4; ++round)
        mix(r);
    // The first pass spreads the seed words, the second makes all of them affect every word.
    for (int i = 0; i < Size; i += 8)
        mixInto(r, results + i, memory + i);
    for (int i = 0; i < Size; i += 8)
        mixInto(r, memory + i, memory + i);
}

void Random::generate()
{
    c += 1;
    b += c;
    for (int i = 0; i < Size; ++i) {
        const uint32_t x = memory[i];
        switch (i % 4) {
        case 0: a ^= a << 13; break;
        case 1: a ^= std::rotr(a, 6); break;
        case 2: a ^= a << 2; break;
        case 3: a ^= std::rotr(a, 16); break;
        }
        a += memory[(i + 128) % Size];
        const uint32_t y = memory[(x >> 2) & 0xFF] + a + b;
        memory[i] = y;
        b = memory[(y >> 10) & 0xFF] + x;
        results[i] = b;
    }
}

uint32_t Random::nextResult()
{
    // Results are used from the last one down; an empty set is refilled.
    if (remaining <= 0) {
        generate();
        remaining = Size;
    }
    return results[--remaining];
}

int32_t Random::nextInt(int32_t n)
{
    if (n < 1)
        return 0;
    const int bits = std::bit_width(static_cast<uint32_t>(n));
    const int32_t mask = static_cast<int32_t>((1u << bits) - 1);
    const int shift = 32 - bits;
    SyncGuard guard(*this);
    for (;;) {
        const int32_t value = ((static_cast<int32_t>(nextResult()) >> shift) + offset) & mask;
        if (value <= n)
            return value;
    }
}

double Random::random()
{
    thread_local bool seeded = false;
    if (!seeded) {
        crtSrand(seedClock());
        seeded = true;
    }
    return crtRand() * (1.0 / 32768.0);
}

bool Random::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "Random") == 0 || Object::isInstanceOf(className);
}

} // namespace util
