// One face of a bitmap font: a glyph sheet and its metrics picture. The metrics picture's
// pixels, read as 32-bit integers, hold six numbers per glyph for the character codes 32 to 287
// (glyph index = (code - 32) mod 256): source x, source y, width and height in the sheet, left
// offset and advance. The space glyph's height is the line height.
#pragma once

#include "lang/Ref.h"
#include "window/image/ImageBase.h"

#include <cstdint>
#include <vector>

namespace sprite {

struct Glyph {
    int32_t sourceX = 0;
    int32_t sourceY = 0;
    int32_t width = 0;
    int32_t height = 0;
    int32_t leftOffset = 0;
    int32_t advance = 0;
};

class GlyphFace {
public:
    static constexpr int32_t GlyphCount = 256;
    static constexpr int32_t IntsPerGlyph = 6;

    GlyphFace() = default;
    // Both pictures gain a reference; the metrics are read when first needed.
    GlyphFace(window::ImageBase* sheet, window::ImageBase* metrics);

    // A face with a glyph sheet and a metrics picture (whatever their pixels).
    bool isSet() const { return sheet && metrics; }
    // The glyph of a Windows-1252 code; all zero when the metrics picture lacks it.
    Glyph glyph(uint8_t code) const;
    // The fourth integer of the table: the height of the space glyph.
    int32_t lineHeight() const { return integerAt(3); }
    // The advance of "_" (integer 383): the caret's width.
    int32_t caretWidth() const { return integerAt(('_' - 32) * IntsPerGlyph + 5); }
    // The colour of the face's ink, taken from the middle of the "_" glyph's bar: what
    // underlines and strike-throughs are drawn in. Opaque black when the sheet has none.
    uint32_t inkColor() const;
    window::ImageBase* getSheet() const { return sheet.get(); }
    window::ImageBase* getMetrics() const { return metrics.get(); }

private:
    int32_t integerAt(int32_t index) const;
    // Copies the metrics picture's pixels once; a picture that cannot be decoded gives none.
    void readMetrics() const;

    lang::Ref<window::ImageBase> sheet;
    lang::Ref<window::ImageBase> metrics;
    mutable std::vector<int32_t> table;
    mutable bool tableRead = false;
    mutable uint32_t ink = 0;
};

} // namespace sprite
