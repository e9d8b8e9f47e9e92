// The upgrade screen of the player's own shop ("UpgradeMyShop", calendar number 13). Each of the
// six visits furnishes one more slot of the shop (wallpaper, floor, sign, counter, window,
// lights) with one of three options; earlier slots can be changed again. The shop's picture
// shows the chosen looks ("myshop_upgrade_B_" slot "_" value), a sparkle twinkles over a
// changed one, and "nextbutton" goes back to the calendar. The seventh visit is the final
// celebration: confetti over the finished shop, the closing words, then the main menu.
// Every choice lives in the save record's upgrades.
#pragma once

#include "game/campaign/PictureSparkle.h"
#include "game/flow/UpgradeScreen.h"
#include "lang/Class.h"
#include "lang/Ref.h"
#include "sprite/DialogSprite.h"

class ProfileSave;
class RainSprite;

class UpgradeMyShop : public sprite::DialogSprite, public UpgradeScreen {
public:
    struct UpgradeMyShopClass : lang::ClassOf<UpgradeMyShop> {
        using ClassOf::ClassOf;
    };
    static UpgradeMyShopClass classObject;

    static constexpr int32_t Slots = 6;
    static constexpr int32_t Options = 3;
    static constexpr int32_t FinalVisit = 7;
    // Sound entries.
    static constexpr int32_t OpenSound = 46;
    static constexpr int32_t ChooseSound = 47;
    static constexpr int32_t NextSound = 49;
    static constexpr int32_t ClickSound = 51;
    static constexpr int32_t FinalTextSound = 56;
    // Frames of the fades and of the waits before the closing words and "Next".
    static constexpr int32_t InstructionFadeFrames = 6;
    static constexpr int32_t NextFadeFrames = 6;
    static constexpr int32_t FinalTextFadeFrames = 8;
    static constexpr int32_t NextDelayFrames = 20;
    static constexpr int32_t FinalWaitFrames = 75;
    static constexpr int32_t ConfettiX = 12;
    static constexpr int32_t ConfettiY = 12;

    UpgradeMyShop();
    ~UpgradeMyShop() override;

    // --- what the canvas asks
    void prepare(int32_t visit, ProfileSave* save) override;

    // --- the dialog
    void tableLoaded(sprite::DataLoader* loader) override;
    // Hidden: the confetti and a running sparkle go.
    void setVisible(bool on) override;
    // Options, slots and "nextbutton"; everything the screen takes is swallowed.
    int32_t onButton(const lang::String& buttonName, lang::String& outName) override;
    // "showText", "showNext" and the sparkle's "sparkleInDone".
    void onAction(lang::Object* source, const lang::String& name) override;

    // --- state, for the tests and the harness
    int32_t getLevel() const { return level; }
    int32_t getCurrentSlot() const { return currentSlot; }
    RainSprite* getConfetti() const { return confetti.get(); }
    bool isSparkling() const { return sparkle.isRunning(); }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "UpgradeMyShop"; }

private:
    bool isFinal() const { return level == FinalVisit - 1; }
    // The save entry of a slot 1 to 6.
    int16_t& valueOf(int32_t slot);
    sprite::SpriteBase* picture(int32_t slot, int32_t value);
    sprite::SpriteBase* optionButton(int32_t slot, int32_t value);
    sprite::SpriteBase* slotButton(int32_t slot);
    void playSound(int32_t entry);
    void schedule(int32_t frames, const char* action);

    void startCelebration();
    void stopCelebration();
    void showChosenPictures();
    void refresh();
    void fadeInstruction(bool in);
    void choose(int32_t slot, int32_t value);
    void editSlot(int32_t slot);
    void sparkleEnded();
    void showNext();
    void showFinalText();
    void leave();

    lang::Ref<ProfileSave> save;
    int32_t level = 0;
    int32_t currentSlot = 0;
    lang::Ref<RainSprite> confetti;
    PictureSparkle sparkle;
};
