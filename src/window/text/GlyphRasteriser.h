// The font back end: it finds the installed font for a face name and style and rasterises its
// glyphs. The program installs one at start-up (src/window/text/freetype/ for FreeType with
// fontconfig); until then fonts come from NullGlyphRasteriser.
#pragma once

#include <cstdint>
#include <memory>

namespace window {

class FontFace;

class GlyphRasteriser {
public:
    virtual ~GlyphRasteriser() = default;

    // The face that stands for the name and style at a pixel size; null when no font can be
    // loaded at all.
    virtual std::shared_ptr<FontFace> openFace(
        const char* faceName, bool bold, bool italic, bool underline, int32_t pixelSize)
        = 0;

    // Makes `rasteriser` the back end of the fonts made from now on (null brings back the null
    // one); before other threads start. Faces already made stay as they are.
    static void install(std::unique_ptr<GlyphRasteriser> rasteriser);
    static GlyphRasteriser& installed();
};

} // namespace window
