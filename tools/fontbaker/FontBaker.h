// The font baker: renders the Windows-1252 characters of an outline font at one pixel size into
// a glyph sheet and the table that the bitmap text sprites read. The table holds six integers per
// glyph for the codes 32 to 287 (glyph = (code - 32) mod 256): source x, source y, width and
// height in the sheet, left offset and advance; it is stored as a 6 x 256 picture whose pixels
// are the integers (0xAARRGGBB), bit for bit. Every cell is one line high and starts at the pen
// position (left offset 0); `padding` pixels around the ink leave room for outlines and shadows,
// the same for every glyph. Codes without a character in the font show "?".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fontbaker {

constexpr int GlyphCount = 256;
constexpr int IntsPerGlyph = 6;
constexpr int FirstCode = 32;

struct BakeRequest {
    std::string fontPath;
    int pixelSize = 16;
    // Room on every side of a glyph's ink, in pixels.
    int padding = 1;
    // Added to every advance.
    int extraAdvance = 0;
    // Cells are laid out in rows of at most this width.
    int sheetWidth = 512;
};

struct GlyphAtlas {
    int width = 0;
    int height = 0;
    // width x height coverage of the glyphs' ink (0 to 255), rows top first.
    std::vector<uint8_t> coverage;
    // GlyphCount x IntsPerGlyph integers.
    std::vector<int32_t> metrics;
    int lineHeight = 0;
};

// Throws std::runtime_error when the font cannot be read.
GlyphAtlas bakeAtlas(const BakeRequest& request);

// The Unicode code point of a Windows-1252 code; 0 for the five codes the code page leaves out.
uint32_t unicodeOfCode(uint8_t code);

// The table as 8-bit RGBA rows of a 6 x 256 picture (red, green, blue, alpha per pixel), so
// that a picture decoder gives back each integer as its pixel value.
std::vector<uint8_t> metricsRgba(const std::vector<int32_t>& metrics);

} // namespace fontbaker
