// The top-level screens of the game. The one the canvas shows decides what its buttons, the
// menu music and a lost window focus do.
#pragma once

#include <cstdint>

enum Screen : int32_t {
    ScreenIntro = 0,
    ScreenShop = 1,
    ScreenPause = 2,
    ScreenMainMenu = 3,
    ScreenCalendar = 4,
    ScreenEndGame = 5,
    ScreenBlitzMenu = 6,
    ScreenBlitzTimes = 7,
};

// The screen's name as written here ("ScreenMainMenu"); "" for a number that is no screen.
const char* screenName(Screen screen);
// The screen of that name; false when the name is none of them.
bool screenFromName(const char* name, Screen& outScreen);
