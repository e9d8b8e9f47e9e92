// The timing rule of the render loop: the game advances one step per frame period measured
// from the loop's start, painting is skipped while the loop runs more than a period behind
// (but never more than twice in a row), and a backlog of more than MaxBacklogMs is dropped
// instead of caught up. It remembers how late the latest step ran, for the soak's check that
// steps keep to their frames.
#pragma once

#include <algorithm>
#include <cstdint>

namespace sprite {

class FramePacer {
public:
    static constexpr int32_t MaxBacklogMs = 200;
    static constexpr int32_t MaxSkippedPaints = 2;

    FramePacer(int64_t startMs, int32_t periodMs) : start(startMs), period(periodMs) {}

    // After a frame step at time `now`: paints when the loop is on time or has skipped enough
    // (paint answers whether it painted) and answers how long to wait before the next step.
    template <class Paint>
    int32_t afterStep(int64_t now, Paint paint)
    {
        ++steps;
        const int64_t timeout = int64_t(period) * steps + start - now;
        worstLateness = std::max(worstLateness, period - timeout);
        bool painted = false;
        const bool tried = timeout > -period || lateCount >= MaxSkippedPaints;
        if (tried) {
            painted = paint();
            if (painted)
                lateCount = 0;
        }
        if (!tried || !painted) {
            ++lateCount;
            if (timeout < -MaxBacklogMs)
                start = now - int64_t(period) * steps;
        }
        return timeout > INT32_MAX ? INT32_MAX : timeout < INT32_MIN ? INT32_MIN : int32_t(timeout);
    }

    int64_t getSteps() const { return steps; }
    int64_t getStart() const { return start; }
    int32_t getLateCount() const { return lateCount; }
    // The most that any step ran after its time so far, in milliseconds (0 while all were on time).
    int64_t getWorstLateness() const { return worstLateness; }

private:
    int64_t start;
    int32_t period;
    int64_t steps = 0;
    int32_t lateCount = 0;
    int64_t worstLateness = 0;
};

} // namespace sprite
