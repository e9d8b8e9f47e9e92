// The clock of a shop round: clock units of 26 frames counting down from 300 (a day) or 30,000
// (Blitz), the frames until the next customer is due, and the units since the player last
// did something useful, which decide when the round offers help.
#pragma once

#include <cstdint>

class RoundClock {
public:
    static constexpr int32_t DayUnits = 300;
    static constexpr int32_t BlitzUnits = 30000;
    // subTick runs 0 to 25: a unit is 26 frames.
    static constexpr int32_t LastSubTick = 25;
    static constexpr int32_t FirstArrivalFrames = 50;
    // Idle units before help is offered; fewer once help was given without effect.
    static constexpr int32_t IdleUnitsForHelp = 42;
    static constexpr int32_t IdleUnitsForMoreHelp = 16;

    // What one frame brought.
    struct Tick {
        bool arrivalDue = false;
        bool unitPassed = false;
    };

    void start(int32_t units);
    // One running frame: the arrival countdown and the clock.
    Tick step();

    void setArrivalCountdown(int32_t frames) { arrivalCountdown = frames; }
    // The player did something useful (an item, a token): idle time starts again.
    void resetIdle();
    // Help is due: after long idle time, or shorter once help was given.
    bool idleHelpDue() const;
    // Help was considered: idle time starts again; `given` when help was actually shown.
    void helpOffered(bool given);

    int32_t getTimeLeft() const { return timeLeft; }
    int32_t getSubTick() const { return subTick; }
    int32_t getIdleUnits() const { return idleUnits; }
    bool isOut() const { return timeLeft <= 0; }
    // What the clock shows: the time left on a day, the time taken in Blitz, never below 0.
    int32_t displayValue(bool blitz) const;
    // The time taken in Blitz in tenths of a second (a unit counts as one second).
    int32_t blitzTenths() const;

private:
    int32_t timeLeft = DayUnits;
    int32_t subTick = 0;
    int32_t idleUnits = 0;
    bool idleHelpGiven = false;
    int32_t arrivalCountdown = FirstArrivalFrames;
};
