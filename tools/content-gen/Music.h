// The scores of the game's music; rendered by the sound generator.
#pragma once

#include "Score.h"

namespace contentgen {

Score menuIntroScore();   // "+Music_menu_01": played once while the game loads
Score menuLoopScore();    // "+Music_menu_02": the menus' loop
Score dayRoundScore();    // round music of a day
Score blitzRoundScore();  // round music of Blitz
Score stingerScore(int shop); // opening jingle of a shop (0: a generic one)

} // namespace contentgen
