// The pictures of the campaign's three screens: the calendar diary, the upgrade screen of the
// player's own shop with its confetti, and the story board's pages.
#pragma once

#include "CampaignKit.h"

#include <string>
#include <vector>

namespace contentgen {

// The names of the twelve shops, in shop-number order (from the catalogue).
using ShopNames = std::vector<std::string>;

void makeCalendarArt(PictureWriter& out, const EmojiFont& emoji, const ShopNames& shops);
void makeUpgradeArt(PictureWriter& out, const EmojiFont& emoji);
// Writes "storyboard1_1" onwards; returns the number of pages.
int makeStoryArt(PictureWriter& out, const EmojiFont& emoji);

// The emoji that stands for a calendar shop number 1 to 14 (13 and 14 have a second one).
uint32_t shopEmoji(int shop);

} // namespace contentgen
