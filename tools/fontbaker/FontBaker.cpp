#include "FontBaker.h"

#include "GlyphRasterizer.h"
#include "lang/Cp1252.h"

#include <algorithm>

namespace fontbaker {

namespace {

struct Cell {
    int code = 0;
    GlyphImage glyph;
    int width = 0;
    int x = 0;
    int y = 0;
};

// The glyph of a code, or "?" when the font or the code page has none.
GlyphImage glyphOfCode(const GlyphRasterizer& font, int code)
{
    const uint32_t codePoint = unicodeOfCode(static_cast<uint8_t>(code));
    GlyphImage glyph = codePoint != 0 ? font.glyph(codePoint) : GlyphImage{};
    return glyph.present ? glyph : font.glyph('?');
}

} // namespace

uint32_t unicodeOfCode(uint8_t code)
{
    const uint32_t codePoint = lang::cp1252ToUnicode(code);
    // The code page's gaps come back as C1 controls of the same number.
    return code >= 0x80 && code < 0xA0 && codePoint == code ? 0 : codePoint;
}

GlyphAtlas bakeAtlas(const BakeRequest& request)
{
    const GlyphRasterizer font(request.fontPath, request.pixelSize);
    const int pad = request.padding;
    GlyphAtlas atlas;
    atlas.lineHeight = font.lineHeight() + 2 * pad;
    atlas.metrics.assign(static_cast<size_t>(GlyphCount) * IntsPerGlyph, 0);

    // Cells as wide as the advance or the ink, whichever reaches further, in rows.
    std::vector<Cell> cells;
    int x = 0;
    int y = 0;
    for (int code = FirstCode; code < GlyphCount; ++code) {
        Cell cell;
        cell.code = code;
        cell.glyph = glyphOfCode(font, code);
        const int ink = cell.glyph.width > 0 ? cell.glyph.left + cell.glyph.width : 0;
        cell.width = std::max(cell.glyph.advance, ink) + 2 * pad;
        if (x + cell.width > request.sheetWidth) {
            x = 0;
            y += atlas.lineHeight;
        }
        cell.x = x;
        cell.y = y;
        x += cell.width;
        cells.push_back(std::move(cell));
    }
    atlas.width = request.sheetWidth;
    atlas.height = y + atlas.lineHeight;
    atlas.coverage.assign(static_cast<size_t>(atlas.width) * atlas.height, 0);

    for (const Cell& cell : cells) {
        const int baseline = cell.y + pad + font.ascent();
        for (int gy = 0; gy < cell.glyph.height; ++gy) {
            for (int gx = 0; gx < cell.glyph.width; ++gx) {
                const int px = cell.x + pad + cell.glyph.left + gx;
                const int py = baseline - cell.glyph.top + gy;
                if (px < cell.x || px >= cell.x + cell.width || py < cell.y || py >= cell.y + atlas.lineHeight)
                    continue;
                uint8_t& covered = atlas.coverage[static_cast<size_t>(py) * atlas.width + px];
                covered = std::max(covered, cell.glyph.at(gx, gy));
            }
        }
        int32_t* entry = &atlas.metrics[static_cast<size_t>(cell.code - FirstCode) * IntsPerGlyph];
        entry[0] = cell.x;
        entry[1] = cell.y;
        entry[2] = cell.width;
        entry[3] = atlas.lineHeight;
        entry[4] = 0;
        entry[5] = cell.glyph.advance + request.extraAdvance;
    }
    return atlas;
}

std::vector<uint8_t> metricsRgba(const std::vector<int32_t>& metrics)
{
    std::vector<uint8_t> rgba;
    rgba.reserve(metrics.size() * 4);
    for (const int32_t value : metrics) {
        const auto pixel = static_cast<uint32_t>(value);
        rgba.push_back(static_cast<uint8_t>(pixel >> 16));
        rgba.push_back(static_cast<uint8_t>(pixel >> 8));
        rgba.push_back(static_cast<uint8_t>(pixel));
        rgba.push_back(static_cast<uint8_t>(pixel >> 24));
    }
    return rgba;
}

} // namespace fontbaker
