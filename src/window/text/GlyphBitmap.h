// One character of a font as an anti-aliased grey bitmap of 65 levels (0 empty to 64 full),
// with rows padded to a multiple of 4 bytes, and the numbers that place it: the box's upper-left
// corner relative to the pen on the baseline (y upward) and the advance to the next character.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace window {

struct GlyphBitmap {
    int32_t width = 0;
    int32_t height = 0;
    int32_t pitch = 0;
    int32_t originX = 0;
    int32_t originY = 0;
    int32_t cellAdvance = 0;
    std::vector<uint8_t> levels;

    bool isEmpty() const { return width <= 0 || height <= 0; }
    uint8_t level(int32_t x, int32_t y) const { return levels[static_cast<size_t>(y) * pitch + x]; }
};

// The measurements of a font at its size, in pixels, as the text metrics of a font give them.
struct TextMetrics {
    int32_t height = 0;
    int32_t ascent = 0;
    int32_t descent = 0;
    int32_t internalLeading = 0;
    int32_t externalLeading = 0;
    int32_t averageCharWidth = 0;
    int32_t maxCharWidth = 0;
    int32_t weight = 400;
    bool italic = false;
    bool underlined = false;
    // Where an underline goes: its top row below the baseline, and its thickness.
    int32_t underlinePosition = 1;
    int32_t underlineThickness = 1;
};

} // namespace window
