#include "sprite/text/GlyphFace.h"

#include <algorithm>
#include <cstring>

namespace sprite {

GlyphFace::GlyphFace(window::ImageBase* sheet, window::ImageBase* metrics)
    : sheet(lang::retain(sheet)), metrics(lang::retain(metrics))
{
}

Glyph GlyphFace::glyph(uint8_t code) const
{
    const int32_t base = ((code - 32) & (GlyphCount - 1)) * IntsPerGlyph;
    return Glyph{integerAt(base), integerAt(base + 1), integerAt(base + 2), integerAt(base + 3), integerAt(base + 4),
        integerAt(base + 5)};
}

int32_t GlyphFace::integerAt(int32_t index) const
{
    readMetrics();
    return index < static_cast<int32_t>(table.size()) ? table[static_cast<size_t>(index)] : 0;
}

uint32_t GlyphFace::inkColor() const
{
    if (ink != 0 || !sheet)
        return ink != 0 ? ink : 0xFF000000u;
    sheet->ensurePixels();
    const uint32_t* pixels = sheet->getPixels();
    // A sheet still undecoded (its dialog loads hidden) is asked again once it has pixels.
    if (!pixels)
        return 0xFF000000u;
    ink = 0xFF000000u;
    const Glyph bar = glyph('_');
    const int32_t column = bar.sourceX + bar.width / 2;
    if (column < 0 || column >= sheet->getWidth() || bar.sourceY < 0)
        return ink;
    // The run of the most opaque pixels down the middle column; its middle is the bar's body
    // (an outline, if any, lies at the run's ends).
    const int32_t stride = sheet->getRowBytes() / 4;
    const int32_t bottom = std::min(sheet->getHeight(), bar.sourceY + bar.height);
    uint32_t strongest = 0;
    int32_t first = -1;
    int32_t last = -1;
    for (int32_t row = bar.sourceY; row < bottom; ++row) {
        const uint32_t alpha = pixels[static_cast<size_t>(row) * stride + column] >> 24;
        if (alpha > strongest) {
            strongest = alpha;
            first = last = row;
        } else if (alpha == strongest && alpha > 0) {
            last = row;
        }
    }
    if (first >= 0)
        ink = 0xFF000000u | pixels[static_cast<size_t>((first + last) / 2) * stride + column];
    return ink;
}

void GlyphFace::readMetrics() const
{
    if (tableRead || !metrics)
        return;
    metrics->ensurePixels();
    const uint32_t* pixels = metrics->getPixels();
    // Inside a dialog that loads hidden only the size is decoded: read the table when the
    // pixels are there, not never.
    if (!pixels)
        return;
    tableRead = true;
    // Rows may be padded: take every row's pixels in order, up to the table's size.
    const int32_t width = metrics->getWidth();
    const int32_t stride = metrics->getRowBytes() / 4;
    const size_t wanted = static_cast<size_t>(GlyphCount) * IntsPerGlyph;
    table.reserve(wanted);
    for (int32_t row = 0; row < metrics->getHeight() && table.size() < wanted; ++row) {
        for (int32_t column = 0; column < width && table.size() < wanted; ++column) {
            int32_t value = 0;
            const uint32_t pixel = pixels[static_cast<size_t>(row) * stride + column];
            std::memcpy(&value, &pixel, sizeof value);
            table.push_back(value);
        }
    }
}

} // namespace sprite
