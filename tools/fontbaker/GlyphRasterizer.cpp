#include "GlyphRasterizer.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <stdexcept>

namespace fontbaker {

GlyphRasterizer::GlyphRasterizer(const std::string& fontPath, int pixelSize)
{
    if (FT_Init_FreeType(&library) != 0)
        throw std::runtime_error("FreeType cannot start");
    if (FT_New_Face(library, fontPath.c_str(), 0, &face) != 0) {
        FT_Done_FreeType(library);
        throw std::runtime_error("cannot open font " + fontPath);
    }
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelSize));
}

GlyphRasterizer::~GlyphRasterizer()
{
    FT_Done_Face(face);
    FT_Done_FreeType(library);
}

int GlyphRasterizer::ascent() const
{
    return static_cast<int>((face->size->metrics.ascender + 63) >> 6);
}

int GlyphRasterizer::descent() const
{
    return static_cast<int>((-face->size->metrics.descender + 63) >> 6);
}

GlyphImage GlyphRasterizer::glyph(uint32_t codePoint) const
{
    GlyphImage image;
    const FT_UInt index = FT_Get_Char_Index(face, codePoint);
    if (index == 0 && codePoint != ' ')
        return image;
    if (FT_Load_Glyph(face, index, FT_LOAD_TARGET_LIGHT) != 0 || FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0)
        return image;
    const FT_Bitmap& bitmap = face->glyph->bitmap;
    image.width = static_cast<int>(bitmap.width);
    image.height = static_cast<int>(bitmap.rows);
    image.coverage.resize(static_cast<size_t>(image.width) * image.height);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            image.coverage[static_cast<size_t>(y) * image.width + x] = bitmap.buffer[y * bitmap.pitch + x];
    image.left = face->glyph->bitmap_left;
    image.top = face->glyph->bitmap_top;
    image.advance = static_cast<int>((face->glyph->advance.x + 32) >> 6);
    image.present = true;
    return image;
}

} // namespace fontbaker
