// The dialogs and sprites that the canvas addresses by name, looked up once after loading.
// Screens that a later part of the game brings may be missing from the package, or be plain
// dialogs while their class does not exist yet: the look-up logs each missing one, and the
// accessors answer none, which every caller checks.
#pragma once

#include "lang/Ref.h"
#include "lang/String.h"
#include "sprite/DialogSprite.h"

#include <vector>

class BlitzMenuScreen;
class BlitzTimesPanel;
class CalendarScreen;
class InstructDialog;
class MainMenu;
class OptionsSprite;
class ProfileInputPrompt;
class ProfileList;
class ShopRound;
class StoryBoardScreen;
class UpgradeScreen;

namespace sprite {
class GameCanvas3;
}

class GameDialogs {
public:
    static constexpr int32_t ShopCount = 12;

    // Looks everything up in the canvas's table; logs what is missing.
    void find(sprite::GameCanvas3& canvas);

    // --- the menus and profile pages (classes of this game; none when the table made
    // another class)
    MainMenu* mainMenu() const;
    OptionsSprite* options() const;
    InstructDialog* instructions() const;
    ProfileList* profileList() const;
    ProfileInputPrompt* profilePrompt() const;

    // --- the dialogs by their role
    sprite::DialogSprite* mainMenuDialog() const { return mainMenuDlg.get(); }
    sprite::DialogSprite* optionsDialog() const { return optionsDlg.get(); }
    sprite::DialogSprite* instructionsDialog() const { return instructionsDlg.get(); }
    sprite::DialogSprite* profileListDialog() const { return profileListDlg.get(); }
    sprite::DialogSprite* profilePromptDialog() const { return profilePromptDlg.get(); }
    sprite::DialogSprite* miniMenu() const { return miniMenuDlg.get(); }
    sprite::DialogSprite* howToPlay() const { return howToPlayDlg.get(); }
    sprite::DialogSprite* hints() const { return hintsDlg.get(); }
    sprite::DialogSprite* roundComplete() const { return roundCompleteDlg.get(); }
    sprite::DialogSprite* roundFail() const { return roundFailDlg.get(); }
    sprite::DialogSprite* shopUnlock() const { return shopUnlockDlg.get(); }
    sprite::DialogSprite* calendar() const { return calendarDlg.get(); }
    sprite::DialogSprite* upgradeMyShop() const { return upgradeDlg.get(); }
    sprite::DialogSprite* storyBoard() const { return storyBoardDlg.get(); }
    sprite::DialogSprite* blitzMenu() const { return blitzMenuDlg.get(); }
    sprite::DialogSprite* blitzTimes() const { return blitzTimesDlg.get(); }
    // "Shop1" to "Shop12"; none outside.
    sprite::DialogSprite* shop(int32_t number) const;

    // --- the screens of later parts, through their interfaces
    CalendarScreen* calendarScreen() const;
    UpgradeScreen* upgradeScreen() const;
    StoryBoardScreen* storyBoardScreen() const;
    BlitzMenuScreen* blitzMenuScreen() const;
    BlitzTimesPanel* blitzTimesPanel() const;
    ShopRound* shopRound(int32_t number) const;

    // --- other sprites the canvas addresses
    sprite::SpriteBase* dim() const { return dimSprite.get(); }
    sprite::SpriteBase* blackdrop() const { return blackdropSprite.get(); }
    sprite::SpriteBase* fakeLoading() const { return fakeLoadingSprite.get(); }
    sprite::SpriteBase* fakeLoadBar() const { return fakeLoadBarSprite.get(); }
    // The modal pages of a round, hidden at start.
    std::vector<sprite::DialogSprite*> modalPages() const;

private:
    lang::Ref<sprite::DialogSprite> mainMenuDlg, optionsDlg, instructionsDlg, profileListDlg, profilePromptDlg,
        miniMenuDlg, howToPlayDlg, hintsDlg, roundCompleteDlg, roundFailDlg, shopUnlockDlg, calendarDlg, upgradeDlg,
        storyBoardDlg, blitzMenuDlg, blitzTimesDlg;
    lang::Ref<sprite::DialogSprite> shops[ShopCount];
    lang::Ref<sprite::SpriteBase> dimSprite, blackdropSprite, fakeLoadingSprite, fakeLoadBarSprite;
};
