#include "window/text/freetype/FreeTypeRasteriser.h"

#include "lang/Cp1252.h"
#include "window/text/FontFace.h"
#include "window/text/freetype/FontFiles.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <string>

namespace window {

namespace {

// FreeType's library object and faces are not made for concurrent use: every call of this
// file into FreeType or the font file search holds this lock.
std::mutex& freeTypeLock()
{
    static std::mutex lock;
    return lock;
}

FT_Library freeTypeLibrary()
{
    static FT_Library library = nullptr;
    if (library == nullptr && FT_Init_FreeType(&library) != 0)
        library = nullptr;
    return library;
}

int32_t toPixels(FT_Pos value26dot6)
{
    return static_cast<int32_t>((value26dot6 + 32) >> 6);
}

// 256 grey values to the 65 levels of the glyph bitmaps.
uint8_t greyToLevel(uint8_t grey)
{
    return static_cast<uint8_t>((grey * 64 + 127) / 255);
}

// A face of an installed font file. Its FreeType face is used under freeTypeLock only.
class FreeTypeFace : public FontFace {
public:
    FreeTypeFace(
        FT_Face face, const FontFile& file, bool bold, bool italic, bool underline, int32_t pixelSize);
    ~FreeTypeFace() override;

protected:
    bool render(uint8_t code, GlyphBitmap& out) override;

private:
    FT_Face face;
    bool makeBold;
    bool makeItalic;
};

FreeTypeFace::FreeTypeFace(
    FT_Face face, const FontFile& file, bool bold, bool italic, bool underline, int32_t pixelSize)
    : face(face),
      makeBold(bold && !file.boldDesign),
      makeItalic(italic && !file.slantedDesign)
{
    description = file.description;
    TextMetrics& m = metrics;
    const FT_Size_Metrics& size = face->size->metrics;
    m.ascent = toPixels(size.ascender);
    m.descent = -toPixels(size.descender);
    m.height = m.ascent + m.descent;
    m.internalLeading = std::max(0, m.height - pixelSize);
    m.externalLeading = std::max(0, toPixels(size.height) - m.height);
    m.maxCharWidth = toPixels(size.max_advance);
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    m.averageCharWidth = os2 ? toPixels(FT_MulFix(os2->xAvgCharWidth, size.x_scale)) : m.maxCharWidth / 2;
    m.weight = bold ? 700 : 400;
    m.italic = italic;
    m.underlined = underline;
    const int32_t thickness = toPixels(FT_MulFix(face->underline_thickness, size.y_scale));
    m.underlineThickness = std::max(1, thickness);
    m.underlinePosition = std::max(
        1, toPixels(-FT_MulFix(face->underline_position, size.y_scale)) - m.underlineThickness / 2);
}

FreeTypeFace::~FreeTypeFace()
{
    std::lock_guard<std::mutex> guard(freeTypeLock());
    FT_Done_Face(face);
}

bool FreeTypeFace::render(uint8_t code, GlyphBitmap& out)
{
    std::lock_guard<std::mutex> guard(freeTypeLock());
    const FT_UInt index = FT_Get_Char_Index(face, lang::cp1252ToUnicode(code));
    if (FT_Load_Glyph(face, index, FT_LOAD_TARGET_LIGHT) != 0)
        return false;
    FT_GlyphSlot slot = face->glyph;
    if (makeBold)
        FT_GlyphSlot_Embolden(slot);
    if (makeItalic)
        FT_GlyphSlot_Oblique(slot);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0)
        return false;

    const FT_Bitmap& bitmap = slot->bitmap;
    out.cellAdvance = toPixels(slot->advance.x);
    out.originX = slot->bitmap_left;
    out.originY = slot->bitmap_top;
    const bool grey = bitmap.pixel_mode == FT_PIXEL_MODE_GRAY;
    const bool mono = bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
    if (bitmap.width == 0 || bitmap.rows == 0 || (!grey && !mono))
        return true;
    out.width = static_cast<int32_t>(bitmap.width);
    out.height = static_cast<int32_t>(bitmap.rows);
    out.pitch = (out.width + 3) & ~3;
    out.levels.assign(static_cast<size_t>(out.pitch) * out.height, 0);
    for (int32_t y = 0; y < out.height; ++y) {
        const uint8_t* row = bitmap.buffer + static_cast<ptrdiff_t>(y) * bitmap.pitch;
        uint8_t* to = out.levels.data() + static_cast<size_t>(y) * out.pitch;
        for (int32_t x = 0; x < out.width; ++x)
            to[x] = grey ? greyToLevel(row[x]) : ((row[x >> 3] >> (7 - (x & 7))) & 1) * 64;
    }
    return true;
}

} // namespace

std::shared_ptr<FontFace> FreeTypeRasteriser::openFace(
    const char* faceName, bool bold, bool italic, bool underline, int32_t pixelSize)
{
    std::lock_guard<std::mutex> guard(freeTypeLock());
    FT_Library library = freeTypeLibrary();
    FontFile file;
    if (library == nullptr || !findFontFile(lang::cp1252ToUtf8(faceName), bold, italic, file))
        return nullptr;
    FT_Face face = nullptr;
    if (FT_New_Face(library, file.path.c_str(), file.index, &face) != 0)
        return nullptr;
    if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(std::max(1, pixelSize))) != 0) {
        FT_Done_Face(face);
        return nullptr;
    }
    return std::make_shared<FreeTypeFace>(face, file, bold, italic, underline, pixelSize);
}

} // namespace window
