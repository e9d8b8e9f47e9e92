// The gallery: a sprite table that shows the whole look on one 800x600 screen (the UI kit,
// fonts, digits and one shelf per shop), and a preview of the same layout composed from
// the generated pictures, to look at before the engine draws the table itself.
#include "Commands.h"

#include "Catalogue.h"
#include "Png.h"
#include "SoundFile.h"
#include "Text.h"

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

namespace contentgen {

namespace {

std::vector<uint8_t> readRgba(const std::string& path, int& w, int& h)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<uint8_t> rgba;
    if (!decodePng(bytes, w, h, rgba))
        throw std::runtime_error("cannot read the picture " + path);
    return rgba;
}

class Gallery {
public:
    Gallery(std::string uiDir, std::string itemsDir, std::string textsDir)
        : uiDir_(std::move(uiDir)), itemsDir_(std::move(itemsDir)), textsDir_(std::move(textsDir)), preview_(800, 600) {}

    void image(const std::string& name, const std::string& picture, int x, int y)
    {
        line(name, "Sprite", picture, {x, y});
        preview_.draw(picture_(picture), x, y);
    }

    // One cell of a sheet, shown as an AnimateSprite standing on that frame.
    void frame(const std::string& name, const std::string& picture, int columns, int rows, int cell, int x, int y)
    {
        line(name, "AnimateSprite", picture, {x, y, columns, rows, cell});
        const Picture& sheet = picture_(picture);
        const int w = sheet.width() / columns, h = sheet.height() / rows;
        preview_.draw(cropped(sheet, (cell % columns) * w, (cell / columns) * h, w, h), x, y);
    }

    // A text sprite named like its text item; alignment 0 left, 1 centre, 2 right.
    void text(const std::string& name, const std::string& font, int x, int y, int alignment)
    {
        line(name, "NewFontSprite", font + " " + font + "_m", {x, y, alignment});
        std::ifstream in(textsDir_ + "/" + name + ".txt");
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        drawText(font, text, x, y, alignment);
    }

    // A number sprite in the time (3) or cents (2) format, previewed from its digit cells.
    void number(const std::string& name, const std::string& digits, int x, int y, int format, int value, const std::string& shown)
    {
        line(name, "NumberSprite", digits, {x, y, 0, value, format});
        const Picture& sheet = picture_(digits);
        const std::string cells = ":-$,.0123456789";
        const int cellWidth = sheet.width() / 15;
        int pen = x;
        for (char c : shown) {
            const int cell = int(cells.find(c));
            const int width = cell == 3 || cell == 4 ? cellWidth / 2 : cellWidth;
            preview_.draw(cropped(sheet, cell * cellWidth, 0, width, sheet.height()), pen, y);
            pen += width;
        }
    }

    void comment(const std::string& text) { table_ << "\n; " << text << "\n"; }
    std::string table() const { return table_.str(); }
    const Picture& preview() const { return preview_; }

private:
    void line(const std::string& name, const std::string& className, const std::string& pictures, std::vector<int> numbers)
    {
        char head[160];
        std::snprintf(head, sizeof head, "%-16s %-14s %-28s", name.c_str(), className.c_str(), pictures.c_str());
        table_ << head;
        for (int n : numbers)
            table_ << " " << n;
        table_ << "\n";
    }

    const Picture& picture_(const std::string& name)
    {
        auto found = cache_.find(name);
        if (found == cache_.end()) {
            const bool item = name.rfind("item", 0) == 0;
            found = cache_.emplace(name, readPng((item ? itemsDir_ : uiDir_) + "/" + name + ".png")).first;
        }
        return found->second;
    }

    // Draws with the baked sheet and metrics, as the text sprite does: every glyph cell at the
    // pen, the pen moving by the advance.
    void drawText(const std::string& font, const std::string& utf8, int x, int y, int alignment)
    {
        const Picture& sheet = picture_(font);
        int w = 0, h = 0;
        const std::vector<uint8_t> metrics = readRgba(uiDir_ + "/" + font + "_m.png", w, h);
        auto metric = [&](int glyph, int k) { // the pixel's ARGB value is the number
            const uint8_t* p = &metrics[size_t(glyph * 6 + k) * 4];
            return int32_t(uint32_t(p[3]) << 24 | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2]);
        };
        std::string text; // to Windows-1252, as the engine converts package texts
        for (uint32_t cp : utf8Codepoints(utf8))
            text += cp < 256 ? char(cp) : cp == 0x2026 ? char(0x85) : '.';
        int width = 0;
        for (unsigned char c : text)
            width += metric((c - 32) & 255, 5);
        int pen = alignment == 1 ? x - width / 2 : alignment == 2 ? x - width : x;
        for (unsigned char c : text) {
            const int g = (c - 32) & 255;
            preview_.draw(cropped(sheet, metric(g, 0), metric(g, 1), metric(g, 2), metric(g, 3)), pen, y);
            pen += metric(g, 5);
        }
    }

    std::string uiDir_, itemsDir_, textsDir_;
    std::map<std::string, Picture> cache_;
    std::ostringstream table_;
    Picture preview_;
};

} // namespace

int makeGallery(const std::string& outDir, const std::string& listPath, const std::string& uiDir, const std::string& itemsDir,
                const std::string& textsDir, const std::string& cataloguePath)
{
    const std::vector<Shop> shops = readCatalogue(cataloguePath);
    Gallery g(uiDir, itemsDir, textsDir);
    g.comment("Background and title");
    g.image("bg", "bg_shop", 0, 0);
    g.text("GALLERY_TITLE", "font_title", 400, 4, 1);
    g.frame("sparkleA", "twinkles", 8, 1, 3, 166, 6);
    g.frame("sparkleB", "twinkles", 8, 1, 5, 590, 14);

    g.comment("Buttons: normal, hover, pressed, disabled, selected");
    for (int i = 0; i < 5; ++i)
        g.frame("button" + std::to_string(i), "btn_ok", 5, 1, i, 14 + i * 140, 62);
    g.frame("buttonPlay", "btn_play", 5, 1, 1, 594, 118);

    g.comment("Arrows, check box, knobs on a slider, check mark, stars, money");
    g.frame("arrowL", "arrow_left", 5, 1, 0, 14, 124);
    g.frame("arrowR", "arrow_right", 5, 1, 1, 74, 124);
    g.frame("boxOff", "checkbox", 2, 1, 0, 140, 132);
    g.frame("boxOn", "checkbox", 2, 1, 1, 186, 132);
    g.image("slider", "slider", 240, 145);
    g.frame("knobA", "knob", 2, 1, 0, 300, 134);
    g.frame("knobB", "knob", 2, 1, 1, 430, 134);
    g.image("tick", "checkmark", 548, 132);
    g.frame("moneyA", "money", 5, 1, 0, 740, 58);

    g.comment("One shelf of each shop, two columns of six");
    for (const Shop& shop : shops) {
        const int column = (shop.number - 1) / 6, row = (shop.number - 1) % 6;
        const int x = 8 + column * 262, y = 176 + row * 66;
        g.text("SHOPNAME_" + std::to_string(shop.number), "font_white", x + 4, y, 0);
        g.image("shelf" + std::to_string(shop.number), "shelf_short", x, y + 56);
        for (int k = 0; k < 5 && k < int(shop.items.size()); ++k)
            g.image("s" + std::to_string(shop.number) + "i" + std::to_string(k + 1), itemPictureName(shop.number, k + 1),
                    x + 4 + k * 50, y + 16);
    }

    g.comment("A dialog with the fonts and the digits");
    g.image("dialog", "dlg_narrow", 530, 178);
    g.image("ribbon", "ribbon_short", 545, 168);
    g.text("GALLERY_RIBBON", "font_big", 665, 180, 1);
    g.text("GALLERY_BIG", "font_big", 665, 236, 1);
    g.text("GALLERY_BOLD", "font_bold", 552, 276, 0);
    g.text("GALLERY_BODY", "font_body", 552, 298, 0);
    g.text("GALLERY_SMALL", "font_small", 552, 322, 0);
    g.number("clock", "digits", 556, 344, 3, 125, "2:05");
    g.number("cash", "digits_small", 680, 352, 2, 1250, "$12.50");
    g.frame("bronze", "stars", 3, 1, 0, 580, 384);
    g.frame("silver", "stars", 3, 1, 1, 638, 384);
    g.frame("gold", "stars", 3, 1, 2, 696, 384);

    g.comment("A customer");
    g.image("bubble", "thoughtbubble", 540, 446);
    g.text("GALLERY_BUBBLE", "font_bubble", 612, 482, 1);
    g.frame("face", "custfaces", 4, 4, 5, 690, 500);

    const std::string table = "; The gallery: every piece of the look on one screen. Generated by kipto2-content-gen gallery.\n<sprites>\n"
                              + g.table() + "<end>\n";
    writeFile(outDir + "/gallery.txt", Bytes(table.begin(), table.end()));
    writePng(outDir + "/gallery_preview.png", g.preview());
    std::ofstream list(listPath, std::ios::trunc);
    list << "gallery=" << outDir << "/gallery.txt\n";
    return 0;
}

} // namespace contentgen
