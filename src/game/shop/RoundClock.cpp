#include "game/shop/RoundClock.h"

#include <algorithm>
#include <cmath>

void RoundClock::start(int32_t units)
{
    timeLeft = units;
    subTick = 0;
    idleUnits = 0;
    idleHelpGiven = false;
    arrivalCountdown = FirstArrivalFrames;
}

RoundClock::Tick RoundClock::step()
{
    Tick tick;
    tick.arrivalDue = arrivalCountdown-- == 0;
    if (subTick++ >= LastSubTick) {
        subTick = 0;
        --timeLeft;
        ++idleUnits;
        tick.unitPassed = true;
    }
    return tick;
}

void RoundClock::resetIdle()
{
    idleUnits = 0;
    idleHelpGiven = false;
}

bool RoundClock::idleHelpDue() const
{
    return idleUnits > IdleUnitsForHelp || (idleHelpGiven && idleUnits > IdleUnitsForMoreHelp);
}

void RoundClock::helpOffered(bool given)
{
    idleUnits = 0;
    if (given)
        idleHelpGiven = true;
}

int32_t RoundClock::displayValue(bool blitz) const
{
    return std::max(0, blitz ? BlitzUnits - timeLeft : timeLeft);
}

int32_t RoundClock::blitzTenths() const
{
    return (BlitzUnits - timeLeft) * 10 + static_cast<int32_t>(std::lround(subTick / 25.0 * 10));
}
