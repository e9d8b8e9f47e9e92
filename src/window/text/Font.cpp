#include "window/text/Font.h"

#include "lang/SyncGuard.h"
#include "window/text/FontFace.h"
#include "window/text/FontMetrics.h"
#include "window/text/GlyphRasteriser.h"

#include <cstring>

namespace window {

lang::String Font::defaultFaceName("Arial");

namespace {

const TextMetrics kNoMetrics;

} // namespace

Font::Font(const lang::String& faceName, int32_t style, int32_t size, int32_t, int32_t, int32_t)
    : faceName(faceName),
      style(style),
      size(size),
      face(GlyphRasteriser::installed().openFace(faceName.c_str(), (style & STYLE_BOLD) != 0,
          (style & STYLE_ITALIC) != 0, (style & STYLE_UNDERLINE) != 0, size))
{
}

Font::~Font() = default;

FontMetrics* Font::getFontMetrics()
{
    SyncGuard guard(this);
    if (!metrics)
        metrics = lang::adopt(new FontMetrics(this));
    return lang::retain(metrics.get()).detach();
}

lang::String Font::getInstalledFace() const
{
    return face ? lang::String(face->getDescription().c_str()) : lang::String();
}

const GlyphBitmap* Font::getGlyph(uint8_t code) const
{
    return face ? face->getGlyph(code) : nullptr;
}

const TextMetrics& Font::getTextMetrics() const
{
    return face ? face->getMetrics() : kNoMetrics;
}

bool Font::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "Font") == 0 || lang::Object::isInstanceOf(className);
}

} // namespace window
