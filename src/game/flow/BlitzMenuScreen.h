// What the canvas asks of the Blitz menu ("BlitzMode"): its class implements it beside its
// dialog base, and the canvas finds it by name.
#pragma once

class ProfileSave;

namespace sprite {
class User;
}

class BlitzMenuScreen {
public:
    // Once after loading: the store that holds the profiles and their records (not counted;
    // the canvas keeps it for the whole run).
    virtual void setUp(sprite::User* profileStore) = 0;
    // Before the menu is shown: the shop buttons, best times and stars of the profile's record
    // (borrowed: keep a reference of your own to hold it).
    virtual void open(ProfileSave* save) = 0;

protected:
    ~BlitzMenuScreen() = default;
};
