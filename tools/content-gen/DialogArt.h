// The pieces of the menus' dialogs that the UI kit does not have: panels with their labels,
// slider tracks, knobs, round arrow and close buttons, profile rows, the name field, the
// unlock announcement's rays, and the Blitz menu's cards, labels and scoreboard.
#pragma once

#include "Raster.h"
#include "Text.h"

#include <string>
#include <vector>

namespace contentgen {

// A panel with words written on its face: each label is placed with its left end and baseline.
struct PanelLabel {
    std::string text;
    int x, baseline;
    int size = 22;
    bool small = false; // soft ink in the body face instead of the bold title face
    uint32_t emoji = 0; // a sticker left of the words
};
Picture labelledPanel(const EmojiFont& emoji, int width, int height, const std::vector<PanelLabel>& labels);

// A slider groove whose knob's left edge runs over 256 positions: width = 256 + knob size.
Picture sliderGroove(int knobSize, int height);
// Five cells: normal, hover, pressed, disabled, selected.
Picture knobSheet(int size);
Picture roundArrowSheet(int size, bool up);
Picture closeButtonSheet(int size);
// A wide name plate for a profile row, five cells.
Picture profileRowSheet(int width, int height);
// The white box the name is typed into.
Picture nameField(int width, int height);
// A small dark label that white system text reads well on.
Picture darkTag(int width, int height);
// Soft golden rays behind the unlock icon.
Picture sunRays(int size);

// Blitz menu: the backdrop with its sunburst, a shop card, the "Best" label, the rating
// stars (none, bronze, silver, gold), the chalk scoreboard and its titles.
Picture blitzBackdrop();
Picture blitzCard(int width, int height);
Picture bestLabel(const EmojiFont& emoji, int width, int height);
Picture ratingStars(int size);
// The scoreboard with faint chalk lines under two columns of `rows` rows.
Picture scoreBoard(int width, int height, int firstRowTop, int rowPitch, int rows,
    const std::vector<std::pair<int, int>>& columns);
// One chalk title per text, stacked in one column.
Picture chalkTitles(const std::vector<std::string>& titles, int width, int height);
Picture ribbonTitles(
    const std::vector<std::string>& titles, int width, int height, Color face, Color dark, int fontSize);
Picture badge(const std::string& text, int width, int height, Color face, Color dark);

} // namespace contentgen
