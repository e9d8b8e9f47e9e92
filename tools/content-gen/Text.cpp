#include "Text.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <sstream>
#include <stdexcept>

namespace contentgen {

std::vector<uint32_t> utf8Codepoints(const std::string& text)
{
    std::vector<uint32_t> out;
    for (size_t i = 0; i < text.size();) {
        const uint8_t c = uint8_t(text[i]);
        int extra = c < 0x80 ? 0 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
        uint32_t cp = extra == 0 ? c : extra == 1 ? c & 0x1F : extra == 2 ? c & 0x0F : c & 0x07;
        ++i;
        for (; extra > 0 && i < text.size(); --extra, ++i)
            cp = cp << 6 | (uint8_t(text[i]) & 0x3F);
        out.push_back(cp);
    }
    return out;
}

namespace {

void openFace(FT_Library& library, FT_Face& face, const std::string& path)
{
    if (FT_Init_FreeType(&library) != 0)
        throw std::runtime_error("FreeType cannot start");
    if (FT_New_Face(library, path.c_str(), 0, &face) != 0) {
        FT_Done_FreeType(library);
        throw std::runtime_error("cannot open font " + path);
    }
}

} // namespace

int Font::ascent() const { return rasterizer_.ascent(); }
int Font::descent() const { return rasterizer_.descent(); }
int Font::lineHeight() const { return rasterizer_.lineHeight(); }

Font::Glyph Font::glyph(uint32_t codepoint) const
{
    const fontbaker::GlyphImage image = rasterizer_.glyph(codepoint);
    Glyph g;
    if (!image.present)
        return g;
    g.mask = Mask(image.width, image.height);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            g.mask.ref(x, y) = image.at(x, y) / 255.0f;
    g.left = image.left;
    g.top = image.top;
    g.advance = image.advance;
    g.present = true;
    return g;
}

int Font::textWidth(const std::string& utf8) const
{
    int width = 0;
    for (uint32_t cp : utf8Codepoints(utf8))
        width += glyph(cp).advance;
    return width;
}

Mask Font::textMask(const std::string& utf8, int width, int height, int left, int baseline) const
{
    Mask mask(width, height);
    int pen = left;
    for (uint32_t cp : utf8Codepoints(utf8)) {
        const Glyph g = glyph(cp);
        for (int y = 0; y < g.mask.height(); ++y)
            for (int x = 0; x < g.mask.width(); ++x) {
                const int px = pen + g.left + x, py = baseline - g.top + y;
                if (px >= 0 && py >= 0 && px < width && py < height)
                    mask.ref(px, py) = std::max(mask.at(px, py), g.mask.at(x, y));
            }
        pen += g.advance;
    }
    return mask;
}

EmojiFont::EmojiFont(const std::string& path)
{
    openFace(library_, face_, path);
    if (face_->num_fixed_sizes < 1 || FT_Select_Size(face_, 0) != 0)
        throw std::runtime_error("the emoji font has no bitmap strike");
}

EmojiFont::~EmojiFont()
{
    FT_Done_Face(face_);
    FT_Done_FreeType(library_);
}

Picture EmojiFont::emoji(uint32_t codepoint) const
{
    const FT_UInt index = FT_Get_Char_Index(face_, codepoint);
    if (index == 0 || FT_Load_Glyph(face_, index, FT_LOAD_COLOR) != 0)
        return Picture(0, 0);
    const FT_Bitmap& bitmap = face_->glyph->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_BGRA)
        return Picture(0, 0);
    Picture out(int(bitmap.width), int(bitmap.rows));
    for (int y = 0; y < int(bitmap.rows); ++y)
        for (int x = 0; x < int(bitmap.width); ++x) {
            const uint8_t* p = bitmap.buffer + y * bitmap.pitch + x * 4;
            // The strike is premultiplied BGRA, which is what Picture holds.
            out.ref(x, y) = {p[2] / 255.0f, p[1] / 255.0f, p[0] / 255.0f, p[3] / 255.0f};
        }
    return out;
}

std::vector<std::string> wrapLines(const Font& font, const std::string& text, int width)
{
    std::vector<std::string> lines;
    std::istringstream paragraphs(text);
    for (std::string paragraph; std::getline(paragraphs, paragraph);) {
        std::istringstream words(paragraph);
        std::string line;
        for (std::string word; words >> word;) {
            const std::string longer = line.empty() ? word : line + " " + word;
            if (!line.empty() && font.textWidth(longer) > width) {
                lines.push_back(line);
                line = word;
            } else {
                line = longer;
            }
        }
        lines.push_back(line);
    }
    return lines;
}

} // namespace contentgen
