// A seeded generator of the ISAAC family whose right shifts are rotations, seeded from the C
// runtime generator (util/CRand.h), and the process-wide quick random function. The output for a
// given seed is fixed, bit for bit.
#pragma once

#include "lang/Object.h"

#include <cstdint>

namespace util {

class Random : public lang::Object {
public:
    // Seeds with seedClock().
    Random();

    // Seeds the calling thread's C runtime generator with `seed` and derives the whole state
    // from it.
    void setSeed(uint32_t seed);
    // A number in [0, n], both ends included; 0 when n < 1.
    int32_t nextInt(int32_t n);

    // A number in [0, 1) from the calling thread's C runtime generator, which is seeded with
    // seedClock() on the first call in each thread.
    static double random();

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "Random"; }

private:
    static constexpr int Size = 256;

    void initialise();
    void generate();
    uint32_t nextResult();

    int32_t offset = 0;
    uint32_t seedTime = 0;
    int32_t remaining = 0;
    uint32_t results[Size] = {};
    uint32_t memory[Size] = {};
    uint32_t a = 0;
    uint32_t b = 0;
    uint32_t c = 0;
};

} // namespace util
