// The framing shared by item pictures and other emoji art: a white sticker rim and a soft
// drop shadow, so that items stand out on any shelf.
#pragma once

#include "Raster.h"
#include "Text.h"

namespace contentgen {

// The emoji scaled to fit `art` pixels, centred in a `size` square with rim and shadow.
Picture sticker(const Picture& emoji, int size, int art);
// Emoji of the code point as a sticker; throws std::runtime_error when the font lacks it.
Picture emojiSticker(const EmojiFont& font, uint32_t codepoint, int size, int art);

} // namespace contentgen
