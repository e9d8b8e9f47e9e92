// What the canvas asks of a shop dialog ("Shop1" to "Shop12"): the round's class implements
// it beside its dialog base, and the canvas finds it by name. A shop dialog without it is
// shown and hidden like any dialog, and no round runs.
#pragma once

#include <cstdint>

class ProfileSave;

class ShopRound {
public:
    // Given before each round; the round reads and writes the record in place. Borrowed: a
    // round that keeps it takes a reference of its own (choosing a profile replaces it).
    virtual void setSave(ProfileSave* save) = 0;
    virtual void setShopNumber(int32_t shop) = 0;
    // Sets up and starts a round: day 0 is Blitz, 1 to 5 the week's days; decorating is the
    // player's own shop being furnished.
    virtual void startDay(int32_t day, bool decorating) = 0;
    // Ends the open round; left by the mini menu, it hands back with leaveShop(true).
    virtual void endRound(bool leftByMenu) = 0;
    virtual void setPaused(bool on) = 0;
    // True while the round shows a pointer of its own in place of the mouse cursor: the
    // canvas's hand and arrow cursors then stay away.
    virtual bool holdsPointer() const { return false; }

protected:
    ~ShopRound() = default;
};
