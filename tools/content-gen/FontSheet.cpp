#include "FontSheet.h"

#include <algorithm>
#include <cmath>

namespace contentgen {

uint32_t cp1252ToUnicode(uint8_t byte)
{
    static const uint16_t high[32] = {0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                                      0x2039, 0x0152, 0, 0x017D, 0, 0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013,
                                      0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};
    return byte >= 0x80 && byte < 0xA0 ? high[byte - 0x80] : byte;
}

BakedFont bakeFont(const std::string& fontPath, int pixelSize, const TextLook& look, int extraAdvance)
{
    const Font font(fontPath, pixelSize);
    const int pad = int(std::ceil(look.outline + look.shadow)) + 1;
    BakedFont baked;
    baked.lineHeight = font.lineHeight() + 2 * pad;
    baked.metrics.assign(256 * 6, 0);

    // First pass: cell widths, to lay out the sheet in rows of at most 512 pixels.
    struct Cell { int code; Font::Glyph glyph; int width; int x = 0, y = 0; };
    std::vector<Cell> cells;
    for (int code = 32; code < 256; ++code) {
        const uint32_t cp = cp1252ToUnicode(uint8_t(code));
        Font::Glyph glyph = cp ? font.glyph(cp) : Font::Glyph{};
        if (!glyph.present)
            glyph = font.glyph('?');
        const int ink = glyph.mask.width() > 0 ? glyph.left + glyph.mask.width() : 0;
        cells.push_back({code, glyph, std::max(glyph.advance, ink) + 2 * pad});
    }
    const int sheetWidth = 512;
    int x = 0, y = 0;
    for (Cell& cell : cells) {
        if (x + cell.width > sheetWidth) {
            x = 0;
            y += baked.lineHeight;
        }
        cell.x = x;
        cell.y = y;
        x += cell.width;
    }
    baked.sheet = Picture(sheetWidth, y + baked.lineHeight);

    Mask coverage(sheetWidth, y + baked.lineHeight);
    for (const Cell& cell : cells) {
        const int baseline = cell.y + pad + font.ascent();
        for (int gy = 0; gy < cell.glyph.mask.height(); ++gy)
            for (int gx = 0; gx < cell.glyph.mask.width(); ++gx) {
                const int px = cell.x + pad + cell.glyph.left + gx, py = baseline - cell.glyph.top + gy;
                if (px >= cell.x && px < cell.x + cell.width && py >= cell.y && py < cell.y + baked.lineHeight)
                    coverage.ref(px, py) = std::max(coverage.at(px, py), cell.glyph.mask.at(gx, gy));
            }
        int32_t* m = &baked.metrics[size_t(cell.code - 32) * 6];
        m[0] = cell.x;
        m[1] = cell.y;
        m[2] = cell.width;
        m[3] = baked.lineHeight;
        m[4] = 0;
        m[5] = cell.glyph.advance + extraAdvance;
    }
    paintDecorated(baked.sheet, coverage, look);
    return baked;
}

std::vector<uint8_t> metricsRgba(const std::vector<int32_t>& metrics)
{
    std::vector<uint8_t> rgba;
    for (int32_t value : metrics) {
        const uint32_t v = uint32_t(value);
        rgba.push_back(uint8_t(v >> 16));
        rgba.push_back(uint8_t(v >> 8));
        rgba.push_back(uint8_t(v));
        rgba.push_back(uint8_t(v >> 24));
    }
    return rgba;
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
        const bool halfCell = cells == 15 && (i == 3 || i == 4);
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
