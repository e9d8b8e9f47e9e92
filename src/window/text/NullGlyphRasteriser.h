// The font back end of programs and tests without installed fonts: every face is the same plain
// face of filled boxes. At a pixel size s each character advances by s / 2 (at least 1) and
// draws a box one column narrower, as tall as the ascent (s - s / 5); the space and the
// no-break space are empty, and the control characters below 32 are missing. So text measures
// the same on every machine.
#pragma once

#include "window/text/GlyphRasteriser.h"

namespace window {

class NullGlyphRasteriser : public GlyphRasteriser {
public:
    std::shared_ptr<FontFace> openFace(
        const char* faceName, bool bold, bool italic, bool underline, int32_t pixelSize) override;
};

} // namespace window
