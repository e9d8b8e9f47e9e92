// One outline font file at one pixel size, read through FreeType: its line metrics and each
// character as an anti-aliased coverage bitmap (256 levels) placed against the pen on the
// baseline. The font baker and the content generator's text drawing both render through it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct FT_LibraryRec_;
struct FT_FaceRec_;

namespace fontbaker {

struct GlyphImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> coverage; // width x height, rows top first
    int left = 0;                  // from the pen to the bitmap's left edge
    int top = 0;                   // from the baseline up to the bitmap's top edge
    int advance = 0;               // whole pixels
    bool present = false;          // false when the font has no such character

    uint8_t at(int x, int y) const { return coverage[static_cast<size_t>(y) * width + x]; }
};

class GlyphRasterizer {
public:
    // Throws std::runtime_error when the file cannot be opened as a font.
    GlyphRasterizer(const std::string& fontPath, int pixelSize);
    ~GlyphRasterizer();
    GlyphRasterizer(const GlyphRasterizer&) = delete;
    GlyphRasterizer& operator=(const GlyphRasterizer&) = delete;

    int ascent() const;
    int descent() const; // positive, below the baseline
    int lineHeight() const { return ascent() + descent(); }
    // The character of a Unicode code point, hinted lightly.
    GlyphImage glyph(uint32_t codePoint) const;

private:
    FT_LibraryRec_* library = nullptr;
    FT_FaceRec_* face = nullptr;
};

} // namespace fontbaker
