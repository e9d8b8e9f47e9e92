// Small deterministic random generator for the content generators: the same seed gives the
// same pictures and sounds on every machine, unlike std::rand or distribution objects.
#pragma once

#include <cstdint>

namespace contentgen {

class Rng {
public:
    explicit Rng(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}

    uint32_t next()
    {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return uint32_t((state_ * 0x2545F4914F6CDD1Dull) >> 32);
    }

    // Uniform in [0, 1).
    double unit() { return next() / 4294967296.0; }
    // Uniform in [-1, 1).
    double bipolar() { return unit() * 2.0 - 1.0; }
    // Uniform integer in [0, n).
    int below(int n) { return n <= 0 ? 0 : int(next() % uint32_t(n)); }
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }

private:
    uint64_t state_;
};

} // namespace contentgen
