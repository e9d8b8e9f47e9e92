// Guards the shelves against clicking at random: four clicks on no wished item within two
// seconds lock clicks out for four seconds. Only clicks within the shelf band count. The round
// schedules the expiries and shows the no-go pointer; this keeps the counts.
#pragma once

#include <cstdint>

class ClickLockout {
public:
    static constexpr int32_t ClicksToLock = 4;
    static constexpr int32_t ClickMemorySeconds = 2;
    static constexpr int32_t LockSeconds = 4;
    // The shelf band, in dialog coordinates.
    static constexpr int32_t BandTop = 31;
    static constexpr int32_t BandBottom = 514;

    static bool inBand(int32_t y) { return y >= BandTop && y <= BandBottom; }

    void reset();
    // A click on no wished item, while not locked out; true when it starts a lockout.
    bool registerBogusClick();
    // Two seconds after a counted click: it is forgotten.
    void clickExpired();
    // A useful click: the count starts again.
    void clearClicks() { bogusClicks = 0; }
    // The lockout's time is up; true when it ends (no burst of clicks still counts).
    bool lockExpired();

    bool isLockedOut() const { return lockedOut; }
    int32_t getBogusClicks() const { return bogusClicks; }
    int32_t getLockouts() const { return lockouts; }

private:
    int32_t bogusClicks = 0;
    int32_t lockouts = 0;
    bool lockedOut = false;
};
