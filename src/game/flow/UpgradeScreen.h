// What the canvas asks of the upgrade screen ("UpgradeMyShop"): its class implements it beside
// its dialog base, and the canvas finds it by name.
#pragma once

#include <cstdint>

class ProfileSave;

class UpgradeScreen {
public:
    // Sets the screen up for a visit: the calendar day of the upgrade cell (1 to 6), or 7 for
    // the final celebration. The save record is the profile's current one (borrowed: keep a
    // reference of your own to hold it).
    virtual void prepare(int32_t visit, ProfileSave* save) = 0;

protected:
    ~UpgradeScreen() = default;
};
