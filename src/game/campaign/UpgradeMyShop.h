// The upgrade screen of the player's own shop ("UpgradeMyShop", calendar number 13). Each of the
// six visits furnishes one more slot of the shop (wallpaper, floor, sign, counter, window,
// lights) with one of three options; earlier slots can be changed again (SlotEditor). The
// shop's picture shows the chosen looks ("myshop_upgrade_B_" slot "_" value), and "nextbutton"
// goes back to the calendar. The seventh visit is the final celebration: confetti over the
// finished shop, the closing words, then the main menu. Every choice lives in the save record.
#pragma once

#include "game/campaign/SlotEditor.h"
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
    static constexpr int32_t FinalVisit = 7;
    // Sound entries.
    static constexpr int32_t OpenSound = 46;
    static constexpr int32_t ChooseSound = SlotEditor::ChooseSound;
    static constexpr int32_t NextSound = 49;
    static constexpr int32_t FinalTextSound = 56;
    // Frames of the closing words' fade and of the waits before them and "Next".
    static constexpr int32_t FinalTextFadeFrames = 8;
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
    // The visit number minus 1 (6 the final visit) and the 0-based slot being edited.
    int32_t getLevel() const { return level; }
    int32_t getCurrentSlot() const { return editor.getEditedSlot() - 1; }
    RainSprite* getConfetti() const { return confetti.get(); }
    bool isSparkling() const { return editor.isSparkling(); }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "UpgradeMyShop"; }

private:
    bool isFinal() const { return level == FinalVisit - 1; }
    void playSound(int32_t entry);
    void cancelScheduled();
    void startCelebration();
    void stopCelebration();
    void showFinalText();
    void leave();

    lang::Ref<ProfileSave> save;
    int32_t level = 0;
    SlotEditor editor;
    lang::Ref<RainSprite> confetti;
};
