#include "game/flow/ScreenFlow.h"

#include "game/Kipto2Canvas.h"
#include "game/flow/BlitzMenuScreen.h"
#include "game/flow/BlitzTimesPanel.h"
#include "game/flow/CalendarScreen.h"
#include "game/flow/ShopRound.h"
#include "game/flow/SpriteHelpers.h"
#include "game/flow/UpgradeScreen.h"
#include "game/menus/MainMenu.h"
#include "lang/Debug.h"
#include "lang/ResourceFile.h"
#include "sprite/AnimateSprite.h"

namespace {

// The shop-unlock dialog's picture of the Blitz mode.
constexpr int32_t BlitzIconFrame = 12;

void hideDialogChild(sprite::DialogSprite* dialog, const char* child)
{
    if (dialog)
        showSprite(dialog->getChild(child), false);
}

} // namespace

ScreenFlow::ScreenFlow(Kipto2Canvas& canvas) : canvas(canvas) {}

void ScreenFlow::setScreen(Screen screen)
{
    lang::debugOutput((lang::String("Screen: ") + screenName(screen) + "\n").c_str());
    if (screen == ScreenShop && !shopScreenExists()) {
        // A screen that this package lacks: the player stays where they are.
        lang::debugOutput((lang::String("ScreenFlow: no dialog for shop ") + selectedShop + "\n").c_str());
        return;
    }
    previous = current;
    switch (screen) {
    case ScreenShop:
        openShopScreen();
        break;
    case ScreenPause:
        if (ShopRound* round = dynamic_cast<ShopRound*>(currentShop.get()))
            round->setPaused(true);
        break;
    case ScreenMainMenu:
        showMainMenu();
        break;
    case ScreenCalendar:
        showCalendar();
        break;
    case ScreenEndGame:
        showEndGame();
        break;
    case ScreenBlitzMenu:
        closeShop();
        if (BlitzMenuScreen* menu = canvas.getDialogs().blitzMenuScreen())
            menu->open(canvas.getSave());
        showSprite(canvas.getDialogs().blitzMenu(), true);
        break;
    case ScreenBlitzTimes:
        showBlitzTimes();
        break;
    case ScreenIntro:
        break;
    }
    if (isMenuScreen(screen) && previous == ScreenShop)
        canvas.getMenuMusic().fadeIn(canvas.getMusicVolume(), MenuMusic::RestartFrames);
    current = screen;
}

bool ScreenFlow::isMenuScreen(Screen screen)
{
    return screen == ScreenMainMenu || screen == ScreenCalendar || screen == ScreenBlitzMenu
        || screen == ScreenBlitzTimes;
}

bool ScreenFlow::isRoundOpen() const
{
    return current == ScreenShop && selectedShop != UpgradeShop;
}

bool ScreenFlow::playsMenuMusic() const
{
    return isMenuScreen(current) || (current == ScreenShop && !isRoundOpen());
}

bool ScreenFlow::shopScreenExists() const
{
    GameDialogs& dialogs = canvas.getDialogs();
    if (selectedShop == UpgradeShop)
        return dialogs.upgradeMyShop() != nullptr;
    return dialogs.shop(selectedShop == DecoratingShop ? OwnShop : selectedShop) != nullptr;
}

void ScreenFlow::openShopScreen()
{
    GameDialogs& dialogs = canvas.getDialogs();
    showSprite(dialogs.calendar(), false);
    hideDialogChild(dialogs.calendar(), "blackdrop");
    // An announcement of the calendar leaves with it: over the round it would take every
    // click. The shop counts as announced; its cells show when the calendar comes back.
    showSprite(dialogs.shopUnlock(), false);
    if (selectedShop == UpgradeShop) {
        openUpgradeScreen();
        return;
    }
    if (selectedShop == DecoratingShop) {
        openRound(OwnShop, true);
        return;
    }
    canvas.getMenuMusic().fadeOut(MenuMusic::LeaveFrames);
    openRound(selectedShop, false);
}

void ScreenFlow::openUpgradeScreen()
{
    if (UpgradeScreen* screen = canvas.getDialogs().upgradeScreen())
        screen->prepare(selectedDay, canvas.getSave());
    showSprite(canvas.getDialogs().upgradeMyShop(), true);
}

void ScreenFlow::openRound(int32_t shop, bool decorating)
{
    GameDialogs& dialogs = canvas.getDialogs();
    sprite::DialogSprite* dialog = dialogs.shop(shop);
    if (currentShop && currentShop.get() != dialog)
        currentShop->setVisible(false);
    if (ShopRound* round = dialogs.shopRound(shop)) {
        round->setSave(canvas.getSave());
        round->setShopNumber(shop);
        round->startDay(selectedDay, decorating);
    }
    dialog->setVisible(true);
    currentShop = lang::retain(dialog);
}

void ScreenFlow::closeShop()
{
    if (currentShop)
        currentShop->setVisible(false);
    currentShop.reset();
}

void ScreenFlow::showMainMenu()
{
    GameDialogs& dialogs = canvas.getDialogs();
    closeShop();
    if (previous == ScreenBlitzMenu || previous == ScreenBlitzTimes)
        showSprite(dialogs.blitzMenu(), false);
    showSprite(dialogs.mainMenuDialog(), true);
    if (previous != ScreenIntro)
        return;
    // The first menu fades in from the loading screen; its buttons wait for the fade.
    if (MainMenu* menu = dialogs.mainMenu())
        menu->setMenuEnabled(false);
    for (sprite::SpriteBase* picture : {dialogs.fakeLoading(), dialogs.fakeLoadBar()}) {
        if (!picture)
            continue;
        canvas.addSprite(picture);
        picture->setVisible(true);
        picture->fadeTo(0, MenuFadeFrames, true);
    }
    sprite::SpriteBase* last = dialogs.fakeLoadBar() ? dialogs.fakeLoadBar() : dialogs.fakeLoading();
    if (last)
        last->setListener(&canvas, lang::String("enableMenu"));
    else
        canvas.onAction(nullptr, "enableMenu");
}

void ScreenFlow::showCalendar()
{
    closeShop();
    if (CalendarScreen* calendar = canvas.getDialogs().calendarScreen())
        calendar->refresh(canvas.getSave());
    showSprite(canvas.getDialogs().calendar(), true);
}

void ScreenFlow::showEndGame()
{
    GameDialogs& dialogs = canvas.getDialogs();
    closeShop();
    for (sprite::SpriteBase* page : {static_cast<sprite::SpriteBase*>(dialogs.instructionsDialog()),
             static_cast<sprite::SpriteBase*>(dialogs.optionsDialog()),
             static_cast<sprite::SpriteBase*>(dialogs.mainMenuDialog()),
             static_cast<sprite::SpriteBase*>(dialogs.blitzMenu()), dialogs.dim()})
        showSprite(page, false);
    showSprite(dialogs.mainMenuDialog(), true);
}

void ScreenFlow::showBlitzTimes()
{
    GameDialogs& dialogs = canvas.getDialogs();
    closeShop();
    // The menu behind the list shows the best times of a round just played.
    if (BlitzMenuScreen* menu = dialogs.blitzMenuScreen())
        menu->open(canvas.getSave());
    if (BlitzTimesPanel* panel = dialogs.blitzTimesPanel())
        panel->fill(selectedShop);
    showSprite(dialogs.blitzMenu(), true);
    showSprite(dialogs.blitzTimes(), true);
}

void ScreenFlow::leaveShop(bool leftByMenu)
{
    if (selectedDay == FinalDay) {
        selectedShop = UpgradeShop;
        if (!leftByMenu) {
            setScreen(ScreenMainMenu);
            announceBlitzMode();
        }
        return;
    }
    if (selectedDay == BlitzDay) {
        canvas.saveProfileSave();
        setScreen(leftByMenu ? ScreenBlitzMenu : ScreenBlitzTimes);
        return;
    }
    if (CalendarScreen* calendar = canvas.getDialogs().calendarScreen()) {
        calendar->refresh(canvas.getSave());
        calendar->dayPlayed(selectedShop, selectedDay);
    }
    canvas.saveProfileSave();
    if (leftByMenu)
        return;
    ProfileSave* save = canvas.getSave();
    const bool finalPassed = selectedShop == OwnShop && selectedDay == LastDay && save
        && save->bestServed[ProfileSave::dayIndex(OwnShop, LastDay)] >= FinalPassCount;
    if (!finalPassed) {
        setScreen(ScreenCalendar);
        return;
    }
    canvas.playSoundEntry(Kipto2Canvas::FinaleSound);
    selectedDay = FinalDay;
    selectedShop = UpgradeShop;
    closeShop();
    setScreen(ScreenShop);
}

void ScreenFlow::announceBlitzMode()
{
    GameDialogs& dialogs = canvas.getDialogs();
    sprite::DialogSprite* unlock = dialogs.shopUnlock();
    showSprite(dialogs.dim(), true);
    if (!unlock)
        return;
    setSpriteText(unlock->getChild("SUText"), lang::ResourceFile::loadText("SUText14"));
    showSprite(unlock->getChild("blitzmodetitle"), true);
    sprite::SpriteBase* icon = unlock->getChild("ShopIcon");
    if (icon && icon->isInstanceOf("AnimateSprite"))
        static_cast<sprite::AnimateSprite*>(icon)->setFrame(BlitzIconFrame);
    unlock->setVisible(true);
}
