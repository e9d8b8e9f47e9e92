// The pacing rule of the render loop and the periodic waker, on a virtual clock.
#include "sprite/detail/FramePacer.h"
#include "sprite/FrameClock.h"

#include <gtest/gtest.h>

#include <vector>

using sprite::FramePacer;
using sprite::PeriodicWaker;
using sprite::VirtualFrameClock;

namespace {

// Runs the loop's timing: steps take `stepMs`, painting takes `paintMs`; answers the paint
// pattern (1 painted, 0 skipped) and the clock after `count` steps.
std::vector<int> runLoop(VirtualFrameClock& clock, FramePacer& pacer, PeriodicWaker& waker, int count,
    int64_t stepMs, int64_t paintMs)
{
    std::vector<int> painted;
    for (int i = 0; i < count; ++i) {
        clock.advance(stepMs);
        bool didPaint = false;
        const int32_t timeout = pacer.afterStep(clock.now(), [&] {
            clock.advance(paintMs);
            didPaint = true;
            return true;
        });
        painted.push_back(didPaint ? 1 : 0);
        if (timeout > 0)
            waker.wait(timeout);
    }
    return painted;
}

} // namespace

TEST(FramePacer, OnTimeLoopPaintsEveryStepTwentyFiveTimesASecond)
{
    VirtualFrameClock clock;
    FramePacer pacer(clock.now(), 40);
    PeriodicWaker waker(clock, 40);
    std::vector<int> painted = runLoop(clock, pacer, waker, 25, 5, 10);
    EXPECT_EQ(painted, std::vector<int>(25, 1));
    EXPECT_EQ(clock.now(), 1000);
}

TEST(FramePacer, ASlowMachineSkipsAtMostTwoPaintsInARow)
{
    VirtualFrameClock clock;
    FramePacer pacer(clock.now(), 40);
    PeriodicWaker waker(clock, 40);
    // Each step and paint take 30 ms: more than one period together.
    std::vector<int> painted = runLoop(clock, pacer, waker, 12, 30, 30);
    int inARow = 0;
    int mostInARow = 0;
    for (int p : painted) {
        inARow = p ? 0 : inARow + 1;
        mostInARow = std::max(mostInARow, inARow);
    }
    EXPECT_LE(mostInARow, 2);
    EXPECT_LT(std::count(painted.begin(), painted.end(), 1), 12) << "some paints are skipped";
    EXPECT_GE(pacer.getSteps(), 12);
}

TEST(FramePacer, ABacklogAboveTwoHundredMillisecondsIsDropped)
{
    FramePacer pacer(0, 40);
    int paints = 0;
    auto paint = [&] {
        ++paints;
        return true;
    };
    // On time for ten steps (the tenth at 360 ms).
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(pacer.afterStep(i * 40, paint), 40);
    EXPECT_EQ(pacer.getWorstLateness(), 0);
    // A stall of 500 ms: the step due at 400 ms runs 500 ms late; no paint, and the start
    // moves on.
    EXPECT_EQ(pacer.afterStep(900, paint), 40 * 11 - 900);
    EXPECT_EQ(paints, 10);
    EXPECT_EQ(pacer.getStart(), 900 - 40 * 11);
    // The next step is on time again from the new start; the stall stays the worst.
    EXPECT_EQ(pacer.afterStep(900, paint), 40);
    EXPECT_EQ(paints, 11);
    EXPECT_EQ(pacer.getWorstLateness(), 500);

    // A backlog of 200 ms or less is kept and caught up.
    FramePacer late(0, 40);
    late.afterStep(0, paint);
    EXPECT_EQ(late.afterStep(240, paint), 80 - 240);
    EXPECT_EQ(late.getStart(), 0);
}

TEST(FramePacer, FailedPaintsCountAsSkipped)
{
    FramePacer pacer(0, 40);
    int tries = 0;
    auto failing = [&] {
        ++tries;
        return false;
    };
    // 100 ms behind: not tried twice, then tried although late.
    pacer.afterStep(140, failing);
    pacer.afterStep(180, failing);
    EXPECT_EQ(tries, 0);
    pacer.afterStep(220, failing);
    EXPECT_EQ(tries, 1);
    EXPECT_EQ(pacer.getLateCount(), 3);
}

TEST(PeriodicWaker, TicksAtAbsoluteTimesAndRemembersOneMissedTick)
{
    VirtualFrameClock clock;
    clock.advance(7);
    PeriodicWaker waker(clock, 40);
    EXPECT_TRUE(waker.wait(100));
    EXPECT_EQ(clock.now(), 47);
    // Work of 90 ms lets two ticks pass: the next wait ends at once, only once.
    clock.advance(90);
    EXPECT_TRUE(waker.wait(100));
    EXPECT_EQ(clock.now(), 137);
    EXPECT_TRUE(waker.wait(100));
    EXPECT_EQ(clock.now(), 167);
    // A short wait ends before the tick.
    EXPECT_FALSE(waker.wait(10));
    EXPECT_EQ(clock.now(), 177);
    EXPECT_TRUE(waker.wait(100));
    EXPECT_EQ(clock.now(), 207);
}
