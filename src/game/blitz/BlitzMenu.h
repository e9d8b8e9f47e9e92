// The Blitz menu: a card per shop with its button, the player's best Blitz time and the
// rating of its five days; a shop that the player has not completed shows its locked look.
// A shop button starts that shop's Blitz round ("EnterShop" N "_0"). The first time a
// profile opens the menu, the how-to-play page "doBlitzMenuDialog" explains the mode. The
// best-times panel "BlitzTimes" lies inside.
#pragma once

#include "game/flow/BlitzMenuScreen.h"
#include "game/save/ProfileSave.h"
#include "lang/Class.h"
#include "lang/Ref.h"
#include "sprite/DialogSprite.h"

class BlitzTimes;

class BlitzMenu : public sprite::DialogSprite, public BlitzMenuScreen {
public:
    struct BlitzMenuClass : lang::ClassOf<BlitzMenu> {
        using ClassOf::ClassOf;
    };
    static BlitzMenuClass classObject;

    static constexpr int32_t Shops = 12;
    static constexpr int32_t DaysPerShop = 5;

    // --- BlitzMenuScreen
    // Sets up the best-times panel with a score board at the service the settings name.
    void setUp(ProfileStore* profiles, sprite::User* settings) override;
    // The cards of the record's shops; the how-to-play page when the profile has not seen it.
    void open(ProfileSave* save) override;

    // The best-times panel (not counted), or none.
    BlitzTimes* getTimes();
    // Whether the record offers the shop for Blitz: its opening announced and the shop
    // completed. False for no record.
    static bool isShopOpen(const ProfileSave* save, int32_t shop);
    // The star frame of a day's best count: none below 10, bronze to 12, silver to 14, gold.
    static int32_t starFrame(int32_t served);

    // A shop button starts its round; "GSHTPPlay" closes the how-to-play page.
    int32_t onButton(const lang::String& buttonName, lang::String& outName) override;

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "BlitzMenu"; }

private:
    void showCard(int32_t shop);
    void showHelp();

    lang::Ref<ProfileSave> save;
};
