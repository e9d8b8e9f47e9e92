// The measurements of a font: its text metrics record and the widths of strings, measured
// on the same glyphs that the font draws.
#pragma once

#include "lang/String.h"
#include "window/text/GlyphBitmap.h"

#include <memory>

namespace window {

class Font;
class FontFace;

class FontMetrics : public lang::Object {
public:
    // Reads the record of the font; the metrics keep the font's face, not the font itself.
    explicit FontMetrics(const Font* font);

    int32_t getAscent() const { return record.ascent; }
    int32_t getDescent() const { return record.descent; }
    int32_t getHeight() const { return record.height; }
    const TextMetrics& getTextMetrics() const { return record; }

    // The width of `length` characters from `offset`; 0 for a length below 1.
    int32_t charsWidth(const char* chars, int32_t offset, int32_t length) const;
    // Width and height of the whole string; 0 and 0 for an empty one.
    void stringSize(const lang::String& text, int32_t& width, int32_t& height) const;
    int32_t stringWidth(const lang::String& text) const;

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "FontMetrics"; }

private:
    std::shared_ptr<FontFace> face;
    TextMetrics record;
};

} // namespace window
