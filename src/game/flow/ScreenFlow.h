// Which screen the game shows and how it moves between them: the switch to a screen (dialogs
// shown and hidden, the shop round opened, the menu music restarted after a round), and what
// happens when a shop round hands back (the next screen, the final sequence after the last
// shop, Blitz results). It also keeps the shop and day that the next round opens.
#pragma once

#include "game/flow/Screen.h"
#include "lang/Ref.h"
#include "sprite/DialogSprite.h"

class Kipto2Canvas;

class ScreenFlow {
public:
    static constexpr int32_t FirstShop = 11;
    static constexpr int32_t UpgradeShop = 13;
    static constexpr int32_t DecoratingShop = 14;
    static constexpr int32_t OwnShop = 12;
    static constexpr int32_t BlitzDay = 0;
    static constexpr int32_t LastDay = 5;
    static constexpr int32_t FinalDay = 7;
    // Frames of the loading pictures' fade into the first main menu.
    static constexpr int32_t MenuFadeFrames = 75;
    // Customers to serve on the last day of the own shop for the final sequence.
    static constexpr int32_t FinalPassCount = 10;

    explicit ScreenFlow(Kipto2Canvas& canvas);

    void setScreen(Screen screen);
    void leaveShop(bool leftByMenu);

    Screen getCurrentScreen() const { return current; }
    Screen getPreviousScreen() const { return previous; }
    void setCurrentScreen(Screen screen) { current = screen; }
    int32_t getSelectedShop() const { return selectedShop; }
    int32_t getSelectedDay() const { return selectedDay; }
    void setSelectedShop(int32_t shop) { selectedShop = shop; }
    void setSelectedDay(int32_t day) { selectedDay = day; }
    sprite::DialogSprite* getCurrentShop() const { return currentShop.get(); }
    // A shop round is the current screen (the upgrade screen, though opened as a shop, is none).
    bool isRoundOpen() const;
    // The current screen plays the menu music: the menus, the calendar, the Blitz pages and the
    // upgrade screen.
    bool playsMenuMusic() const;

private:
    static bool isMenuScreen(Screen screen);
    // The dialog that ScreenShop would open for the selected shop is in the package.
    bool shopScreenExists() const;
    void openShopScreen();
    void openRound(int32_t shop, bool decorating);
    void openUpgradeScreen();
    void showMainMenu();
    void showCalendar();
    void showEndGame();
    void showBlitzTimes();
    // Hides the open shop, if any, and forgets it.
    void closeShop();
    // The Blitz mode is announced over the main menu after the final sequence.
    void announceBlitzMode();

    Kipto2Canvas& canvas;
    Screen current = ScreenIntro;
    Screen previous = ScreenIntro;
    int32_t selectedShop = FirstShop;
    int32_t selectedDay = 1;
    lang::Ref<sprite::DialogSprite> currentShop;
};
