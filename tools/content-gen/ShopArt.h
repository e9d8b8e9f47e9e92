// Pictures of the shops for the menus: a little storefront per shop (the unlock
// announcement, the Blitz menu and the best-times panel), as icons and as button sheets.
#pragma once

#include "Raster.h"
#include "Text.h"

namespace contentgen {

// Numbers 1 to 12 are the shops, 13 the Blitz mode, 14 the player's shop being decorated.
constexpr int StorefrontCount = 14;

// The storefront of a number in a square of `size` pixels.
Picture storefront(const EmojiFont& emoji, int number, int size);
// Every storefront side by side, in number order.
Picture storefrontStrip(const EmojiFont& emoji, int size);
// The shops 1 to 12 as buttons: one row per shop, five cells each (normal, hover, pressed,
// disabled with a padlock, selected); row n - 1 is shop n.
Picture shopButtonSheet(const EmojiFont& emoji, int size);

} // namespace contentgen
