#include "FontSheet.h"

#include <algorithm>
#include <cmath>

namespace contentgen {

BakedFont bakeFont(const std::string& fontPath, int pixelSize, const TextLook& look, int extraAdvance)
{
    fontbaker::BakeRequest request;
    request.fontPath = fontPath;
    request.pixelSize = pixelSize;
    request.padding = int(std::ceil(look.outline + look.shadow)) + 1;
    request.extraAdvance = extraAdvance;
    const fontbaker::GlyphAtlas atlas = fontbaker::bakeAtlas(request);
    BakedFont baked;
    baked.lineHeight = atlas.lineHeight;
    baked.metrics = atlas.metrics;
    baked.sheet = Picture(atlas.width, atlas.height);
    Mask coverage(atlas.width, atlas.height);
    for (int y = 0; y < atlas.height; ++y)
        for (int x = 0; x < atlas.width; ++x)
            coverage.ref(x, y) = atlas.coverage[size_t(y) * size_t(atlas.width) + size_t(x)] / 255.0f;
    paintDecorated(baked.sheet, coverage, look);
    return baked;
}

Picture digitSheet(const std::string& fontPath, int cellWidth, int cellHeight, int cells, const TextLook& look)
{
    const int pad = int(std::ceil(look.outline + look.shadow)) + 1;
    const Font font(fontPath, cellHeight - 2 * pad);
    const std::string symbols = cells == 15 ? ":-$,.0123456789" : "0123456789";
    Mask coverage(cellWidth * cells, cellHeight);
    const int baseline = pad + (cellHeight - 2 * pad + font.ascent() - font.descent()) / 2 + 1;
    for (int i = 0; i < cells; ++i) {
        const char c = symbols[size_t(i)];
        const Font::Glyph glyph = font.glyph(uint8_t(c));
        // The marks, and the time separator of the shop clock (which gives it half a cell of
        // room but draws the whole cell over the next digit), sit in the left half.
        const bool halfCell = cells == 15 && (i == 0 || i == 3 || i == 4);
        const int room = halfCell ? cellWidth / 2 : cellWidth;
        const int left = i * cellWidth + (room - glyph.mask.width()) / 2;
        const int baseShift = c == ':' || c == '-' ? 1 : 0;
        for (int gy = 0; gy < glyph.mask.height(); ++gy)
            for (int gx = 0; gx < glyph.mask.width(); ++gx) {
                const int px = left + gx, py = baseline - glyph.top + gy - baseShift;
                if (px >= i * cellWidth && px < i * cellWidth + room && py >= 0 && py < cellHeight)
                    coverage.ref(px, py) = std::max(coverage.at(px, py), glyph.mask.at(gx, gy));
            }
    }
    Picture sheet(cellWidth * cells, cellHeight);
    paintDecorated(sheet, coverage, look);
    return sheet;
}

} // namespace contentgen
