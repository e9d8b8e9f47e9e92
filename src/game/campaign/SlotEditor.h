// The furnishing of a range of the own shop's upgrade slots on a dialog, shared by the upgrade
// screen (slots 1 to 6) and the decorating visits (7 to 11). A visit edits its newest slot
// first; the slot buttons ("btnupgrade" followed by the slot) reach the earlier ones, and the
// newer ones stay disabled. The three option buttons of the edited slot choose its look: the
// slot's pictures (a prefix followed by the slot, "_" and the value) show the chosen one with a
// sparkle over it, the instruction fades out, and once the newest slot has its look
// "nextbutton" appears. Every choice goes into the save record's upgrades.
#pragma once

#include "game/campaign/PictureSparkle.h"
#include "lang/Ref.h"
#include "lang/String.h"

class ProfileSave;

namespace sprite {
class DialogSprite;
class SpriteBase;
} // namespace sprite

class SlotEditor {
public:
    struct Slots {
        // The pictures' names begin with it ("myshop_upgrade_B_").
        const char* picturePrefix;
        // The instruction shown while the newest slot waits for its look.
        const char* instruction;
        int32_t first;
        int32_t last;
    };

    // Sound entries.
    static constexpr int32_t ChooseSound = 47;
    static constexpr int32_t ClickSound = 51;
    static constexpr int32_t FadeFrames = 6;
    static constexpr int32_t NextDelayFrames = 20;

    // The dialog owns its editor and hears the sparkle's end as `sparkleAction`.
    SlotEditor(sprite::DialogSprite& dialog, const Slots& slots, const char* sparkleAction);

    // Takes the record (a reference of its own) and shows each slot's chosen picture.
    void showChosen(ProfileSave& save);
    // A visit: its newest slot is edited; "nextbutton" shows at once when that has a look.
    void begin(int32_t newest);
    // No editing: the slot and option buttons hide, a sparkle stops.
    void hideButtons();
    // Takes the slot and option buttons' names; true when the name was one of them.
    bool handleButton(const lang::String& name);
    // Takes "showNext" and the sparkle's action; true when the name was one of them.
    bool handleAction(const lang::String& name);
    // "nextbutton" appears, fading in.
    void showNext();
    void stopSparkle() { sparkle.stop(); }

    int32_t getEditedSlot() const { return edited; }
    int32_t getNewestSlot() const { return newest; }
    bool isSparkling() const { return sparkle.isRunning(); }

private:
    sprite::SpriteBase* child(const lang::String& name) const;
    sprite::SpriteBase* picture(int32_t slot, int32_t value) const;
    int16_t& valueOf(int32_t slot);
    void refresh();
    void fadeInstruction(bool in);
    void choose(int32_t slot, int32_t option);
    void editSlot(int32_t slot);
    void sparkleEnded();
    void playSound(int32_t entry);

    sprite::DialogSprite& dialog;
    Slots slots;
    lang::String sparkleAction;
    lang::Ref<ProfileSave> save;
    int32_t newest = 0;
    int32_t edited = 0;
    PictureSparkle sparkle;
};
