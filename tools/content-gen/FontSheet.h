// Bitmap fonts and digit pictures for the text and number sprites.
//
// A font is two pictures: the glyph sheet, and a metrics picture whose pixels, read as
// 32-bit ARGB integers, hold six numbers per glyph for the codes 32 to 287 (glyph =
// (code - 32) mod 256): source x, source y, width, height, left offset, advance. The font
// baker (tools/fontbaker) lays the glyphs out; here they are painted in the content's looks.
// Every glyph cell is one line high (so the space's height is the line height) and starts at
// the pen position; the left offset is therefore always 0 and decorations that reach left
// of a glyph sit inside its cell, which is shifted right by the same amount for all glyphs.
// Codes 128 to 159 are the Windows-1252 characters of those codes.
#pragma once

#include "Decor.h"
#include "FontBaker.h"

#include <cstdint>
#include <string>
#include <vector>

namespace contentgen {

struct BakedFont {
    Picture sheet{0, 0};
    std::vector<int32_t> metrics; // 256 × 6
    int lineHeight = 0;
};

// Unicode code point of a Windows-1252 byte; 0 for the five undefined bytes.
inline uint32_t cp1252ToUnicode(uint8_t byte)
{
    return fontbaker::unicodeOfCode(byte);
}

BakedFont bakeFont(const std::string& fontPath, int pixelSize, const TextLook& look, int extraAdvance);
// The metrics as a 6 × 256 picture whose pixels carry the integers bit for bit.
using fontbaker::metricsRgba;

// A row of digit cells. `cells` is 15 (":" "-" "$" "," "." then 0 to 9; the time separator
// and the two marks sit in the left half of their cells) or 10 (0 to 9).
Picture digitSheet(const std::string& fontPath, int cellWidth, int cellHeight, int cells, const TextLook& look);

} // namespace contentgen
