// One installed font at one pixel size, as the font back end makes it: its measurements and the
// glyphs of the 256 Windows-1252 characters, each rendered once on first use and kept. Safe to
// use from several threads.
#pragma once

#include "window/text/GlyphBitmap.h"

#include <array>
#include <memory>
#include <mutex>
#include <string>

namespace window {

class FontFace {
public:
    virtual ~FontFace() = default;
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    const TextMetrics& getMetrics() const { return metrics; }
    // The installed family and style chosen, e.g. "Liberation Sans Bold Italic".
    const std::string& getDescription() const { return description; }
    // The glyph of a Windows-1252 character, or null when the font cannot give it; valid as
    // long as the face lives.
    const GlyphBitmap* getGlyph(uint8_t code);
    // The advance of a character, 0 when the font cannot give it.
    int32_t advanceOf(uint8_t code);

protected:
    FontFace() = default;
    // Draws one character; false when the font cannot give it. Called once per character.
    virtual bool render(uint8_t code, GlyphBitmap& out) = 0;

    TextMetrics metrics;
    std::string description;

private:
    std::mutex glyphLock;
    std::array<std::unique_ptr<GlyphBitmap>, 256> glyphs;
    std::array<bool, 256> failed{};
};

} // namespace window
