#include "window/text/NullGlyphRasteriser.h"

#include "window/text/FontFace.h"

#include <algorithm>

namespace window {

namespace {

class BoxFace : public FontFace {
public:
    BoxFace(bool bold, bool italic, bool underline, int32_t pixelSize) : advance(std::max(1, pixelSize / 2))
    {
        const int32_t size = std::max(1, pixelSize);
        description = "Boxes";
        metrics.ascent = size - size / 5;
        metrics.descent = size / 5;
        metrics.height = size;
        metrics.averageCharWidth = advance;
        metrics.maxCharWidth = advance;
        metrics.weight = bold ? 700 : 400;
        metrics.italic = italic;
        metrics.underlined = underline;
    }

protected:
    bool render(uint8_t code, GlyphBitmap& out) override
    {
        if (code < 0x20)
            return false;
        out.cellAdvance = advance;
        if (code == 0x20 || code == 0xA0)
            return true;
        out.width = std::max(1, advance - 1);
        out.height = metrics.ascent;
        out.pitch = (out.width + 3) & ~3;
        out.originY = metrics.ascent;
        out.levels.assign(static_cast<size_t>(out.pitch) * out.height, 0);
        for (int32_t y = 0; y < out.height; ++y)
            std::fill_n(out.levels.begin() + static_cast<ptrdiff_t>(y) * out.pitch, out.width, uint8_t(64));
        return true;
    }

private:
    int32_t advance;
};

} // namespace

std::shared_ptr<FontFace> NullGlyphRasteriser::openFace(
    const char*, bool bold, bool italic, bool underline, int32_t pixelSize)
{
    return std::make_shared<BoxFace>(bold, italic, underline, pixelSize);
}

} // namespace window
