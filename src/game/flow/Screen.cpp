#include "game/flow/Screen.h"

#include <cstring>

namespace {

constexpr const char* Names[] = {"ScreenIntro", "ScreenShop", "ScreenPause", "ScreenMainMenu", "ScreenCalendar",
    "ScreenEndGame", "ScreenBlitzMenu", "ScreenBlitzTimes"};
constexpr int32_t NameCount = int32_t(sizeof Names / sizeof Names[0]);

} // namespace

const char* screenName(Screen screen)
{
    const int32_t index = int32_t(screen);
    return index >= 0 && index < NameCount ? Names[index] : "";
}

bool screenFromName(const char* name, Screen& outScreen)
{
    for (int32_t i = 0; name && i < NameCount; ++i) {
        if (std::strcmp(Names[i], name) == 0) {
            outScreen = Screen(i);
            return true;
        }
    }
    return false;
}
