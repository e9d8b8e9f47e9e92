#include "sprite/FrameClock.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace sprite {

FrameClock* FrameClock::steady()
{
    static SteadyFrameClock* clock = new SteadyFrameClock;
    return clock;
}

namespace {

std::atomic<FrameClock*> canvasClock{nullptr};

} // namespace

FrameClock* FrameClock::forNewCanvases()
{
    FrameClock* chosen = canvasClock.load();
    return chosen ? chosen : steady();
}

void FrameClock::setForNewCanvases(FrameClock* clock)
{
    canvasClock = clock;
}

int64_t SteadyFrameClock::now()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SteadyFrameClock::waitUntil(int64_t deadline)
{
    using namespace std::chrono;
    std::this_thread::sleep_until(steady_clock::time_point(milliseconds(deadline)));
}

void VirtualFrameClock::waitUntil(int64_t deadline)
{
    // Time jumps at once; give other threads a turn, as a real wait would.
    std::this_thread::yield();
    int64_t current = time.load();
    while (current < deadline && !time.compare_exchange_weak(current, deadline)) {
    }
}

PeriodicWaker::PeriodicWaker(FrameClock& clock, int32_t periodMs)
    : clock(clock), origin(clock.now()), period(std::max(1, periodMs))
{
}

bool PeriodicWaker::wait(int32_t timeoutMs)
{
    const int64_t start = clock.now();
    const int64_t ticksSoFar = (start - origin) / period;
    if (ticksSoFar > ticksTaken) {
        ticksTaken = ticksSoFar;
        return true;
    }
    const int64_t nextTick = origin + (ticksTaken + 1) * period;
    const int64_t limit = start + std::max(0, timeoutMs);
    if (limit < nextTick) {
        clock.waitUntil(limit);
        return false;
    }
    clock.waitUntil(nextTick);
    ticksTaken += 1;
    return true;
}

} // namespace sprite
