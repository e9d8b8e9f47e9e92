// Moves a value from one integer to another in a fixed number of equal integer steps, spreading
// the remainder so that the last step lands exactly: used by sprite motions and fades.
#pragma once

#include <cstdint>

namespace sprite {

struct Stepper {
    int32_t quotient = 0;
    int32_t remainder = 0;
    int32_t accumulator = 0;
    int32_t steps = 1;
    bool negative = false;

    // Covers |to - from| in `stepCount` steps (at least 1).
    void set(int32_t from, int32_t to, int32_t stepCount);
    void clear() { *this = Stepper(); }
    // The value moved by one step toward the target.
    int32_t step(int32_t value);
};

} // namespace sprite
