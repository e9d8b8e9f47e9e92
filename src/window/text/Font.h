// A font: face name, style bits (1 bold, 2 italic, 4 underline) and a pixel size that is the
// character height. Its glyphs come as anti-aliased 65-level bitmaps, the same ones that its
// metrics measure, so text measured with FontMetrics fits text drawn with the font.
#pragma once

#include "lang/Ref.h"
#include "lang/String.h"
#include "window/text/GlyphBitmap.h"

#include <memory>

namespace window {

class FontFace;
class FontMetrics;

class Font : public lang::Object {
public:
    static constexpr int32_t STYLE_BOLD = 1;
    static constexpr int32_t STYLE_ITALIC = 2;
    static constexpr int32_t STYLE_UNDERLINE = 4;

    // The face name the text sprites use when none is configured: "Arial".
    static lang::String defaultFaceName;

    // Character set, output precision and pitch-and-family are accepted for callers that pass
    // them; the face name and style alone choose the font here.
    Font(const lang::String& faceName, int32_t style, int32_t size, int32_t charSet = 0,
        int32_t outputPrecision = 0, int32_t pitchAndFamily = 0);
    ~Font() override;

    // The metrics, made on the first call; the caller receives a reference.
    FontMetrics* getFontMetrics();

    // The glyph of a Windows-1252 character; null when the font cannot give it. Borrowed: valid
    // as long as the font lives.
    const GlyphBitmap* getGlyph(uint8_t code) const;
    const TextMetrics& getTextMetrics() const;

    const lang::String& getFaceName() const { return faceName; }
    // The installed family and style that stand for the face name, e.g. "DejaVu Sans Bold".
    lang::String getInstalledFace() const;
    int32_t getStyle() const { return style; }
    int32_t getSize() const { return size; }
    // False when no installed font could be loaded; such a font measures and draws nothing.
    bool hasFace() const { return face != nullptr; }
    const std::shared_ptr<FontFace>& getFace() const { return face; }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "Font"; }

private:
    lang::String faceName;
    int32_t style;
    int32_t size;
    std::shared_ptr<FontFace> face;
    lang::Ref<FontMetrics> metrics;
};

} // namespace window
