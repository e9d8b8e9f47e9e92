// The designs of the twelve shops: each paints its own room (walls, floor, furniture,
// decorations, the sign with the shop's name) into a scene, lays out its goods on the
// furniture and says which of its groups stand as single items or piles.
#pragma once

#include "Catalogue.h"
#include "ShopScene.h"
#include "Text.h"

namespace contentgen {

// Which of the shop's groups stand alone and which in piles of five.
PileChoice pileChoice(int shop);

// Paints shop `shop.number`'s background and lays out its goods. Throws when a painted
// decoration shows one of the shop's own goods (the player would take it for one).
void designShop(ShopScene& scene, const Shop& shop, const EmojiFont& emoji);

// Places in the shop screens that the tables share with the designs.
namespace myshop {
// The wall picture hangs in a free column at the right end of the top three rows.
constexpr int pictureX = 736, pictureY = 44, pictureW = 56, pictureH = 112;
// Decorating mode: the instruction over the lowest shelf, the five slot buttons and the three
// options over the counter, "next" between them and the rug, so that the plant, rug and pet
// on the floor stay in view while the player chooses them.
constexpr int captionX = 172, captionY = 348, captionW = 456, captionH = 48;
constexpr int slotX = 474, slotY = 404, slotW = 64, slotH = 60, slotPitch = 65;
constexpr int optionX = 476, optionY = 468, optionW = 104, optionH = 104, optionPitch = 106;
constexpr int nextX = 356, nextY = 410, nextW = 100, nextH = 58;
} // namespace myshop

// The player's own shop (12) is drawn in layers that its decorations replace; these give the
// pictures of slot `slot` (1, 2 and 4 for the wall, floor and counter; 7 to 11 for the plant,
// wall picture, rug, ornament and pet) for option `value` (0 = unfurnished, 1 to 3) and the
// place where each stands.
Picture myShopDecoration(int slot, int value, const EmojiFont& emoji);
ScenePoint myShopDecorationPlace(int slot);
// Every decoration picture ("myshop_upgrade_C_k_v", "myshop_upgrade_A_k_v") and the pictures
// of the decorating visits: the day's instruction, slot and option buttons, "next".
std::vector<NamedPicture> myShopPictures(const EmojiFont& emoji);

} // namespace contentgen
