// The decorating visits of the player's own shop (shop 12). A visit of day d (1 to 5) edits
// slot d + 6 while the round stands still (SlotEditor): the slot buttons 7 to 11, the three
// options of the edited slot, the day's instruction "txtbox2", a sparkle over a changed
// decoration ("myshop_upgrade_A_" slot "_" value), and "nextbutton", which records the visit
// and opens day d of the shop at once.
//
// A collaborator of Kipto2Shop, which shows the chosen decorations in every round of the own
// shop and hands it each round's start and the names it does not take itself.
#pragma once

#include "game/campaign/SlotEditor.h"

class ProfileSave;

namespace sprite {
class DialogSprite;
class SpriteBase;
} // namespace sprite

class Decorating {
public:
    static constexpr int32_t OwnShop = 12;
    static constexpr int32_t FirstSlot = 7;
    static constexpr int32_t LastSlot = 11;
    static constexpr int32_t NextSound = 49;

    // Borrowed: the shop owns its collaborator.
    explicit Decorating(sprite::DialogSprite& shop);

    // A round of `shopNumber` starts: a decorating visit sets up the day's slot. Call after the
    // round has been set up (a visit stands still then).
    void startDay(ProfileSave& save, int32_t shopNumber, int32_t day, bool decorating);
    // The visit's buttons and actions; true when the name was taken.
    bool handle(const lang::String& name);
    bool isVisiting() const { return visiting; }
    int32_t getEditedSlot() const { return editor.getEditedSlot(); }

private:
    void finishVisit();

    sprite::DialogSprite& shop;
    SlotEditor editor;
    int32_t day = 1;
    bool visiting = false;
};
