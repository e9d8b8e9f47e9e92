// Where things sit on the calendar's diary spread, and the sizes of its pictures. The sprite
// table content/tables/Calendar.txt places the sprites at these points; keep the two in step.
#pragma once

#include "CampaignKit.h"

namespace contentgen::calendar {

// Eight boxes, four to a row over the two pages: Monday to Thursday, then Friday to Sunday
// and the notes.
constexpr float boxColumns[4] = {30, 212, 412, 594};
constexpr float boxRows[2] = {104, 324};
constexpr float boxWidth = 174, boxHeight = 212;

inline Box dayBox(int box)
{
    const float left = boxColumns[box % 4], top = boxRows[box / 4];
    return {left, top, left + boxWidth, top + boxHeight};
}

// Week tabs along the top of the diary
constexpr int tabsHeight = 31; // the tabs end on the cover's top edge
constexpr int tabWidth = 56;
inline float tabLeft(int week)
{
    return 44 + (week - 1) * 65.0f;
}

constexpr int weekWidth = 230, weekHeight = 52;

// A cell card sits 7 pixels into its box and 40 below its top; its badge at (135, 74).
constexpr int cellWidth = 160, cellHeight = 120;
constexpr int badgeSize = 36;

constexpr int doodleWidth = 64, doodleHeight = 44, doodleFrames = 6;

// The pencil circle: drawn from 18 left of and 20 above its cell.
constexpr int circleWidth = 196, circleHeight = 156, circleFrames = 8;

constexpr int markerWidth = 64, markerHeight = 86;
constexpr int hopWidth = 80, hopHeight = 150;

// The notes in the eighth box, one line each
constexpr int noteWidth = 160, noteHeight = 30;
constexpr int itemsFoundWidth = 112;
constexpr int numberWidth = 44, numberHeight = 36;
constexpr float notesDayY = 352, notesShopY = 382, notesBestY = 414;

constexpr int playWidth = 160, playHeight = 58;
constexpr int menuWidth = 110, menuHeight = 50;

} // namespace contentgen::calendar
