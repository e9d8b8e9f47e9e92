// What the canvas asks of the Blitz menu ("BlitzMode"): its class implements it beside its
// dialog base, and the canvas finds it by name.
#pragma once

class ProfileSave;
class ProfileStore;

namespace sprite {
class User;
}

class BlitzMenuScreen {
public:
    // Once after loading: the profiles and their records, and the game's settings (which may
    // name the score service). Neither is counted; the canvas keeps both for the whole run.
    virtual void setUp(ProfileStore* profiles, sprite::User* settings) = 0;
    // Before the menu is shown: the shop buttons, best times and stars of the profile's record
    // (borrowed: keep a reference of your own to hold it).
    virtual void open(ProfileSave* save) = 0;

protected:
    ~BlitzMenuScreen() = default;
};
