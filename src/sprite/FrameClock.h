// The time source of the render loop. The steady clock runs in real milliseconds; a virtual
// clock (tests, benchmarks) jumps to every deadline at once, so frames can be stepped without
// waiting. PeriodicWaker ticks every period at absolute times from its start (no drift) and
// wakes a waiter like an auto-reset event that a periodic timer sets.
#pragma once

#include "lang/Object.h"

#include <atomic>
#include <cstdint>

namespace sprite {

class FrameClock : public lang::Object {
public:
    // Milliseconds from an arbitrary origin.
    virtual int64_t now() = 0;
    // Returns at the deadline (at once when it has passed).
    virtual void waitUntil(int64_t deadline) = 0;
    void sleep(int32_t milliseconds) { waitUntil(now() + milliseconds); }

    // The process-wide real clock; not counted.
    static FrameClock* steady();
    // The clock that new canvases start with: the real one, unless a harness that runs the
    // whole program (and so cannot reach its canvas before it starts) chose another. Not
    // counted; the chosen clock must live until the end of the run.
    static FrameClock* forNewCanvases();
    static void setForNewCanvases(FrameClock* clock);
};

class SteadyFrameClock : public FrameClock {
public:
    int64_t now() override;
    void waitUntil(int64_t deadline) override;
    const char* getClassName() const override { return "SteadyFrameClock"; }
};

// Time that passes only when someone waits or advances it.
class VirtualFrameClock : public FrameClock {
public:
    int64_t now() override { return time.load(); }
    void waitUntil(int64_t deadline) override;
    // A stall: time moves on without anyone waiting.
    void advance(int64_t milliseconds) { time += milliseconds; }
    const char* getClassName() const override { return "VirtualFrameClock"; }

private:
    std::atomic<int64_t> time{0};
};

class PeriodicWaker {
public:
    PeriodicWaker(FrameClock& clock, int32_t periodMs);
    // Waits for the next tick, at most `timeoutMs`. A tick that came while nobody waited ends
    // the next wait at once; several such ticks count as one. True when a tick ended the wait.
    bool wait(int32_t timeoutMs);

private:
    FrameClock& clock;
    int64_t origin;
    int32_t period;
    int64_t ticksTaken = 0;
};

} // namespace sprite
