#include "window/text/FontMetrics.h"

#include "window/text/Font.h"
#include "window/text/FontFace.h"

#include <cstring>

namespace window {

FontMetrics::FontMetrics(const Font* font) : face(font->getFace()), record(font->getTextMetrics()) {}

int32_t FontMetrics::charsWidth(const char* chars, int32_t offset, int32_t length) const
{
    if (length < 1 || chars == nullptr || !face)
        return 0;
    int32_t width = 0;
    for (int32_t i = 0; i < length; ++i)
        width += face->advanceOf(static_cast<uint8_t>(chars[offset + i]));
    return width;
}

void FontMetrics::stringSize(const lang::String& text, int32_t& width, int32_t& height) const
{
    if (text.isEmpty()) {
        width = 0;
        height = 0;
        return;
    }
    width = charsWidth(text.c_str(), 0, text.length());
    height = record.height;
}

int32_t FontMetrics::stringWidth(const lang::String& text) const
{
    int32_t width = 0;
    int32_t height = 0;
    stringSize(text, width, height);
    return width;
}

bool FontMetrics::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "FontMetrics") == 0 || lang::Object::isInstanceOf(className);
}

} // namespace window
