// The font back end on FreeType: fontconfig picks the installed file for a face name and style
// (an alias such as "Arial" resolves to an installed metric twin), FreeType rasterises its
// glyphs, and bold and italic are made up when the family lacks them.
#pragma once

#include "window/text/GlyphRasteriser.h"

namespace window {

class FreeTypeRasteriser : public GlyphRasteriser {
public:
    std::shared_ptr<FontFace> openFace(
        const char* faceName, bool bold, bool italic, bool underline, int32_t pixelSize) override;
};

} // namespace window
