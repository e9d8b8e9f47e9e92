// Text for the picture generator through FreeType: outline fonts rendered as coverage
// masks (anti-aliased, by the font baker's rasteriser), and the colour emoji font as colour
// pictures.
#pragma once

#include "GlyphRasterizer.h"
#include "Raster.h"

#include <string>
#include <vector>

struct FT_LibraryRec_;
struct FT_FaceRec_;

namespace contentgen {

std::vector<uint32_t> utf8Codepoints(const std::string& text);

class Font {
public:
    // Throws std::runtime_error when the file cannot be opened as a font.
    Font(const std::string& path, int pixelSize) : rasterizer_(path, pixelSize) {}

    int ascent() const;
    int descent() const; // positive, below the baseline
    int lineHeight() const;

    struct Glyph {
        Mask mask{0, 0};
        int left = 0;     // from the pen position to the mask's left edge
        int top = 0;      // from the baseline up to the mask's top edge
        int advance = 0;  // whole pixels
        bool present = false;
    };
    Glyph glyph(uint32_t codepoint) const;
    int textWidth(const std::string& utf8) const;
    // The text's coverage with the baseline at `baseline` and the pen starting at x = `left`.
    Mask textMask(const std::string& utf8, int width, int height, int left, int baseline) const;

private:
    fontbaker::GlyphRasterizer rasterizer_;
};

// The colour emoji font (a bitmap-only font with one strike): each emoji as a picture.
class EmojiFont {
public:
    explicit EmojiFont(const std::string& path);
    ~EmojiFont();
    EmojiFont(const EmojiFont&) = delete;
    EmojiFont& operator=(const EmojiFont&) = delete;

    // The emoji of one code point (optionally followed by a variation selector, which the
    // single-code-point lookup ignores); an empty picture when the font lacks it.
    Picture emoji(uint32_t codepoint) const;

private:
    FT_LibraryRec_* library_ = nullptr;
    FT_FaceRec_* face_ = nullptr;
};

// The text broken at spaces into lines no wider than `width`; "\n" always breaks.
std::vector<std::string> wrapLines(const Font& font, const std::string& text, int width);

} // namespace contentgen
