// The pages of the instructions: how to play, one topic a page, each with an illustration
// drawn from the game's own pieces (faces, thought bubble, items, stars, storefronts).
#pragma once

#include "Raster.h"
#include "Text.h"

#include <string>
#include <vector>

namespace contentgen {

struct PageSize {
    static constexpr int Width = 560, Height = 330;
};

// Every page in order; `uiDir` holds the UI kit's pictures (the thought bubble, stars).
std::vector<Picture> instructionPages(const EmojiFont& emoji, const std::string& uiDir);

} // namespace contentgen
