// The hints the player can spend with the hint button: on days the save record's stock, kept
// from day to day and never below one at the start of a day; in Blitz a stock of the round's
// own that starts empty. Tokens found on the shelves add to it.
#pragma once

#include "game/save/ProfileSave.h"

class HintStock {
public:
    // A new round: Blitz starts with none; a day tops the record's stock up to one.
    void startRound(ProfileSave* save, bool blitz);
    // Adds `delta`, never going below 0; answers the new stock.
    int32_t change(int32_t delta);
    int32_t count() const;

private:
    lang::Ref<ProfileSave> save;
    bool blitz = false;
    int32_t blitzHints = 0;
};
