#include "window/text/FontFace.h"

namespace window {

const GlyphBitmap* FontFace::getGlyph(uint8_t code)
{
    std::lock_guard<std::mutex> guard(glyphLock);
    if (!glyphs[code] && !failed[code]) {
        auto glyph = std::make_unique<GlyphBitmap>();
        if (render(code, *glyph))
            glyphs[code] = std::move(glyph);
        else
            failed[code] = true;
    }
    return glyphs[code].get();
}

int32_t FontFace::advanceOf(uint8_t code)
{
    const GlyphBitmap* glyph = getGlyph(code);
    return glyph ? glyph->cellAdvance : 0;
}

} // namespace window
