// The main menu's pictures: the shop street under the sky, the drifting clouds, the title,
// and the big start sign with its rattle and burst sheets.
#pragma once

#include "Raster.h"
#include "Text.h"

namespace contentgen {

// The start sign's sheets share one cell size; the sign hangs from its hook at (HookX, HookY)
// of the cell, and its board (the part a press should hit) is BoardW × BoardH at (BoardX, BoardY).
struct SignCell {
    static constexpr int Width = 360, Height = 300;
    static constexpr int HookX = 180, HookY = 14;
    static constexpr int BoardX = 44, BoardY = 92, BoardW = 272, BoardH = 150;
};

struct StartSignSheets {
    Picture rattle{0, 0}; // frame 0 at rest, then a swing loop with the hover glow
    Picture burst1{0, 0}; // the sign flips from "Play!" to "Open!"
    Picture burst2{0, 0}; // confetti bursts from the open sign
    int rattleFrames = 0, burst1Frames = 0, burst2Frames = 0;
};

Picture menuBackdrop(const EmojiFont& emoji);
Picture menuCloud(int width, int height, int puffs, uint32_t seed);
Picture menuTitle();
StartSignSheets startSignSheets(const EmojiFont& emoji);

} // namespace contentgen
