#include "game/flow/GameDialogs.h"

#include "game/flow/BlitzMenuScreen.h"
#include "game/flow/BlitzTimesPanel.h"
#include "game/flow/CalendarScreen.h"
#include "game/flow/ShopRound.h"
#include "game/flow/SpriteHelpers.h"
#include "game/flow/StoryBoardScreen.h"
#include "game/flow/UpgradeScreen.h"
#include "game/menus/InstructDialog.h"
#include "game/menus/MainMenu.h"
#include "game/menus/OptionsSprite.h"
#include "game/profiles/ProfileInputPrompt.h"
#include "game/profiles/ProfileList.h"
#include "lang/Debug.h"
#include "sprite/GameCanvas3.h"

namespace {

void reportMissing(const lang::String& name, const char* what)
{
    lang::debugOutput((lang::String("GameDialogs: ") + name + " " + what + "\n").c_str());
}

lang::Ref<sprite::SpriteBase> findSprite(sprite::GameCanvas3& canvas, const char* name)
{
    sprite::SpriteBase* sprite = canvas.getSprite(name);
    if (!sprite)
        reportMissing(name, "is not in the package");
    return lang::retain(sprite);
}

// The dialog as the class of this game that `className` names, or none.
template <class T>
T* asClass(const lang::Ref<sprite::DialogSprite>& dialog, const char* className)
{
    return dialog && dialog->isInstanceOf(className) ? static_cast<T*>(dialog.get()) : nullptr;
}

// The dialog through an interface of a later screen, or none.
template <class T>
T* asScreen(const lang::Ref<sprite::DialogSprite>& dialog)
{
    return dynamic_cast<T*>(dialog.get());
}

} // namespace

void GameDialogs::find(sprite::GameCanvas3& canvas)
{
    optionsDlg = findDialog(canvas, "Options");
    instructionsDlg = findDialog(canvas, "Instructions");
    mainMenuDlg = findDialog(canvas, "MainMenuDlg");
    miniMenuDlg = findDialog(canvas, "MiniMenuDlg");
    howToPlayDlg = findDialog(canvas, "HowToPlayDlg");
    hintsDlg = findDialog(canvas, "HintsDlg");
    roundCompleteDlg = findDialog(canvas, "RoundCompleteDlg");
    roundFailDlg = findDialog(canvas, "RoundFailDlg");
    shopUnlockDlg = findDialog(canvas, "ShopUnlockDlg");
    profileListDlg = findDialog(canvas, "ProfileList");
    profilePromptDlg = findDialog(canvas, "ProfilePrompt");
    calendarDlg = findDialog(canvas, "Calendar");
    upgradeDlg = findDialog(canvas, "UpgradeMyShop");
    storyBoardDlg = findDialog(canvas, "StoryBoard");
    blitzMenuDlg = findDialog(canvas, "BlitzMode");
    // The best-times panel lies inside the Blitz menu, or beside it.
    if (sprite::DialogSprite* times = childDialog(blitzMenuDlg.get(), "BlitzTimes"))
        blitzTimesDlg = lang::retain(times);
    else
        blitzTimesDlg = findDialog(canvas, "BlitzTimes");
    for (int32_t i = 0; i < ShopCount; ++i)
        shops[i] = findDialog(canvas, lang::String("Shop") + (i + 1));
    dimSprite = findSprite(canvas, "Dim");
    blackdropSprite = findSprite(canvas, "blackdrop");
    fakeLoadingSprite = findSprite(canvas, "fakeLoading");
    fakeLoadBarSprite = findSprite(canvas, "fakeLoadBar");

    if (calendarDlg && !calendarScreen())
        reportMissing("Calendar", "does not run a calendar");
    if (upgradeDlg && !upgradeScreen())
        reportMissing("UpgradeMyShop", "does not run the upgrades");
    if (storyBoardDlg && !storyBoardScreen())
        reportMissing("StoryBoard", "does not tell the story");
    if (blitzMenuDlg && !blitzMenuScreen())
        reportMissing("BlitzMode", "does not run the Blitz menu");
    if (blitzTimesDlg && !blitzTimesPanel())
        reportMissing("BlitzTimes", "does not list best times");
    for (int32_t i = 0; i < ShopCount; ++i) {
        if (shops[i] && !shopRound(i + 1))
            reportMissing(shops[i]->getName(), "does not run a shop round");
    }
}

MainMenu* GameDialogs::mainMenu() const
{
    return asClass<MainMenu>(mainMenuDlg, "MainMenu");
}

OptionsSprite* GameDialogs::options() const
{
    return asClass<OptionsSprite>(optionsDlg, "OptionsSprite");
}

InstructDialog* GameDialogs::instructions() const
{
    return asClass<InstructDialog>(instructionsDlg, "InstructDialog");
}

ProfileList* GameDialogs::profileList() const
{
    return asClass<ProfileList>(profileListDlg, "ProfileList");
}

ProfileInputPrompt* GameDialogs::profilePrompt() const
{
    return asClass<ProfileInputPrompt>(profilePromptDlg, "ProfileInputPrompt");
}

sprite::DialogSprite* GameDialogs::shop(int32_t number) const
{
    return number >= 1 && number <= ShopCount ? shops[number - 1].get() : nullptr;
}

CalendarScreen* GameDialogs::calendarScreen() const
{
    return asScreen<CalendarScreen>(calendarDlg);
}

UpgradeScreen* GameDialogs::upgradeScreen() const
{
    return asScreen<UpgradeScreen>(upgradeDlg);
}

StoryBoardScreen* GameDialogs::storyBoardScreen() const
{
    return asScreen<StoryBoardScreen>(storyBoardDlg);
}

BlitzMenuScreen* GameDialogs::blitzMenuScreen() const
{
    return asScreen<BlitzMenuScreen>(blitzMenuDlg);
}

BlitzTimesPanel* GameDialogs::blitzTimesPanel() const
{
    return asScreen<BlitzTimesPanel>(blitzTimesDlg);
}

ShopRound* GameDialogs::shopRound(int32_t number) const
{
    return number >= 1 && number <= ShopCount ? asScreen<ShopRound>(shops[number - 1]) : nullptr;
}

std::vector<sprite::DialogSprite*> GameDialogs::modalPages() const
{
    std::vector<sprite::DialogSprite*> pages;
    for (const auto& page : {miniMenuDlg, howToPlayDlg, hintsDlg, roundCompleteDlg, roundFailDlg, shopUnlockDlg}) {
        if (page)
            pages.push_back(page.get());
    }
    return pages;
}
