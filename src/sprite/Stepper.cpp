#include "sprite/Stepper.h"

#include <algorithm>
#include <cstdlib>

namespace sprite {

void Stepper::set(int32_t from, int32_t to, int32_t stepCount)
{
    steps = std::max(1, stepCount);
    int64_t distance = std::llabs(int64_t(to) - int64_t(from));
    quotient = int32_t(std::min<int64_t>(distance / steps, INT32_MAX));
    remainder = int32_t(distance % steps);
    accumulator = 0;
    negative = to < from;
}

int32_t Stepper::step(int32_t value)
{
    int32_t delta = quotient;
    accumulator += remainder;
    if (accumulator >= steps) {
        accumulator -= steps;
        ++delta;
    }
    return negative ? value - delta : value + delta;
}

} // namespace sprite
