// The pictures every shop shares: the HUD strip (star tray, clock, hint button, menu button),
// the progress stars, the hint tokens, the pause page, the pointers and warnings, the ambient
// animations, and the pictures of the round's dialogs. Each piece comes with the place where
// the shop tables put it, so that the tables and the previews agree.
#pragma once

#include "ShopPainter.h"

#include <string>
#include <vector>

namespace contentgen {

namespace hud {
// The star tray: fifteen slots from x = starsLeft, one every starPitch pixels.
constexpr int trayX = 188, trayY = 2, trayW = 330, trayH = 34;
constexpr int starsLeft = 196, starPitch = 21, starY = 8, starSize = 20;
constexpr int clockX = 522, clockY = 1, clockW = 120, clockH = 38;
constexpr int clockDigitsRight = 637, clockDigitsY = 3, clockDigitOverlap = 3;
constexpr int hintX = 644, hintY = -1, hintW = 50, hintH = 44;
constexpr int hintCountX = 686, hintCountY = 18;
constexpr int moreHintsX = 694, moreHintsY = 3;
constexpr int menuX = 726, menuY = 2, menuW = 72, menuH = 38;
// The coloured star that rises over customer place p (1 to 5) and the glow behind it.
inline int customerStarX(int place)
{
    return (place - 1) * 160 + 3 + 48 - 20;
}
constexpr int customerStarY = 470;
inline int glowX(int place)
{
    return customerStarX(place) + 20 - 36;
}
constexpr int glowY = customerStarY + 20 - 36;
} // namespace hud

// Every HUD and round picture, named as the tables name them.
std::vector<NamedPicture> hudPictures();
// The sheets of the ambient animations: butterfly (shop 4), seagull and clouds (shop 9),
// cuckoo clock (shop 11); their cell sizes are in the namespace ambient below.
std::vector<NamedPicture> ambientPictures();
// The titles, illustrations and buttons of the round's dialogs.
std::vector<NamedPicture> dialogPictures(const EmojiFont& emoji);

namespace ambient {
constexpr int butterflyW = 90, butterflyH = 70, butterflyFrames = 8;
constexpr int gullW = 120, gullH = 60, gullFrames = 8;
constexpr int cuckooW = 64, cuckooH = 96, cuckooFrames = 8;
constexpr int cloudFarW = 170, cloudFarH = 40, cloudCloseW = 240, cloudCloseH = 28, cloudFrames = 4;
} // namespace ambient

} // namespace contentgen
