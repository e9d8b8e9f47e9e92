// One installed font at one pixel size: fontconfig picks the file for a face name and style,
// FreeType rasterises its glyphs. The glyphs of the 256 Windows-1252 characters are kept once
// made. Safe to use from several threads.
#pragma once

#include "window/text/GlyphBitmap.h"

#include <array>
#include <memory>
#include <mutex>
#include <string>

namespace window {

class FontFace {
public:
    // The face fontconfig chooses for the name (an alias such as "Arial" resolves to an
    // installed metric twin); bold and italic are made up when the family lacks them. Null when
    // no font can be loaded at all.
    static std::shared_ptr<FontFace> open(const char* faceName, bool bold, bool italic, bool underline, int32_t pixelSize);
    ~FontFace();
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

private:
    struct Native;
    explicit FontFace(std::unique_ptr<Native> native);
    bool render(uint8_t code, GlyphBitmap& out);

    std::unique_ptr<Native> native;
    TextMetrics metrics;
    std::string description;
    std::mutex glyphLock;
    std::array<std::unique_ptr<GlyphBitmap>, 256> glyphs;
    std::array<bool, 256> failed{};
};

} // namespace window
