// What the canvas asks of the best-times panel ("BlitzTimes", inside the Blitz menu): its class
// implements it beside its dialog base, and the canvas finds it by name.
#pragma once

#include <cstdint>

namespace lang {
class String;
}

class BlitzTimesPanel {
public:
    // Selects the shop (11 when it is not open to the player) and fills the list.
    virtual void fill(int32_t shop) = 0;
    // The time of the profile's last Blitz round in tenths of a second, or -1.
    virtual int32_t getLastTime() const = 0;
    // A Blitz round has just ended in that time: the list marks it, and "RCSubmit" sends it.
    virtual void setLastTime(int32_t tenths) = 0;
    // A finished Blitz round's score (300,000 minus the time in tenths of a second) goes to
    // the online list under the player's name.
    virtual void submitTime(const lang::String& playerName, int32_t shop, int32_t score) = 0;

protected:
    ~BlitzTimesPanel() = default;
};
