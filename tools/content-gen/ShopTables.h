// The sprite tables of the shop round: one sub-table per shop ("Shop1" to "Shop12", the
// children of the Kipto2Shop dialogs) built from its scene, and the preview tables that show
// the same shops through the engine's own classes with a few customers standing in them.
#pragma once

#include "Catalogue.h"
#include "ShopScene.h"
#include "SpriteTable.h"

namespace contentgen {

// The table of shop `shop.number`: background, ambient animations, the items (named
// "item_" and their number, numbered in kind order), hint tokens, HUD, progress stars,
// pointers and pages, and in the player's own shop its decorations and decorating buttons.
SpriteTable shopTable(const Shop& shop, const ShopScene& scene, const std::vector<ItemPlacement>& items);

// The shop's table for the preview package: plain engine classes, without the sprites the
// round hides at set-up, with three customers and their wishes (texts "PREVIEW_WISH" 1 to 3).
SpriteTable previewTable(const SpriteTable& shopTable, const Shop& shop);

// The player's own shop on the first decorating day, for the preview package: every slot
// furnished with its second option, the day's instruction and the decorating buttons shown.
SpriteTable decoratingPreviewTable(const SpriteTable& shopTable);

// The text item of a preview customer's wish n (1 to 3) and its text (1, 2 or 3 of an item).
std::string previewWishName(int shop, int n);
std::string previewWishText(const Shop& shop, int n);

// The picture name of shop n's background ("shopbg01").
std::string shopBackgroundName(int shop);
std::string shopSignName(int shop);

} // namespace contentgen
