// The engine-level pictures and the UI kit: loading screen, icon, buttons, panels, stars,
// bubbles, faces, money, digits and the bitmap fonts.
#include "Commands.h"

#include "FontSheet.h"
#include "Png.h"
#include "SoundFile.h"
#include "Sticker.h"
#include "Style.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace contentgen {

namespace {

class Output {
public:
    Output(const std::string& dir, const std::string& listPath) : dir_(dir), list_(listPath, std::ios::trunc) {}

    void picture(const std::string& name, const Picture& picture)
    {
        const std::string path = dir_ + "/" + name + ".png";
        writePng(path, picture);
        list_ << name << "=" << path << "\n";
    }

    void raw(const std::string& name, const std::vector<uint8_t>& bytes)
    {
        const std::string path = dir_ + "/" + name + ".png";
        writeFile(path, bytes);
        list_ << name << "=" << path << "\n";
    }

private:
    std::string dir_;
    std::ofstream list_;
};

const ButtonLook orangeLook{style::orange, style::orangeDark};
const ButtonLook skyLook{style::sky, style::skyDark};
const ButtonLook leafLook{style::leaf, style::leafDark};
const ButtonLook berryLook{style::berry, style::berryDark};

ButtonLook lookNamed(const std::string& name)
{
    if (name == "orange") return orangeLook;
    if (name == "sky") return skyLook;
    if (name == "leaf") return leafLook;
    if (name == "berry") return berryLook;
    throw std::runtime_error("unknown button colour " + name);
}

// Sky, hills and a striped shop awning: the backdrop of the loading screen and menus.
Picture backdrop(bool awning)
{
    const int w = 800, h = 600;
    Picture out(w, h);
    out.fillShape(roundedRect(-10, -10, w + 20, h + 20, 0), vertical(0, Color::hex(0x6CC8F4), h, Color::hex(0xDDF4FF)));
    // Soft clouds
    const float clouds[][3] = {{120, 170, 1.0f}, {640, 120, 1.2f}, {420, 230, 0.8f}};
    for (const auto& c : clouds) {
        const float s = c[2];
        Shape cloud = unite(unite(circle(c[0], c[1], 34 * s), circle(c[0] + 40 * s, c[1] - 14 * s, 42 * s)),
                            unite(circle(c[0] + 84 * s, c[1], 32 * s), roundedRect(c[0] - 20 * s, c[1], 124 * s, 32 * s, 16 * s)));
        out.fillShape(cloud, solid(Color::hex(0xFFFFFF, 0.85f)));
    }
    out.fillShape(ellipse(180, 640, 420, 190), vertical(450, Color::hex(0x8FD86B), 640, Color::hex(0x5FB247)));
    out.fillShape(ellipse(660, 660, 420, 210), vertical(450, Color::hex(0x7DCB5C), 660, Color::hex(0x4E9E3A)));
    if (awning) {
        const int stripes = 10, stripeW = w / stripes;
        for (int i = 0; i < stripes; ++i) {
            const Color c = i % 2 ? style::white : Color::hex(0xE8505B);
            const float x = float(i * stripeW);
            const Shape stripe = unite(roundedRect(x, -20, stripeW, 84, 0), circle(x + stripeW / 2.0f, 64, stripeW / 2.0f));
            out.fill(blurred(shifted(shapeMask(w, h, stripe), 0, 4), 3), solid(style::shadow));
            out.fillShape(stripe, vertical(0, c, 100, c.darker(0.12f)));
        }
        out.fillShape(roundedRect(-10, -10, w + 20, 22, 0), vertical(0, style::woodLight, 12, style::wood));
    }
    return out;
}

TextLook titleLook(float outline)
{
    TextLook look;
    look.fill = vertical(0, Color::hex(0xFFE27A), 600, style::orange);
    look.outline = outline;
    look.outlineColor = style::woodDark;
    look.shadow = outline * 0.8f;
    look.shadowColor = Color::hex(0x2B1A10, 0.45f);
    return look;
}

// The loading screen: backdrop, title, a few goods and the empty trough of the bar.
Picture loadingScreen(const EmojiFont& emoji, int barX, int barY, int barW, int barH)
{
    Picture out = backdrop(true);
    const Font title(style::titleFont, 150);
    const int baseline = 290;
    const std::string name = "Kipto";
    const int textWidth = title.textWidth(name);
    const int badge = 110;
    const int left = (800 - textWidth - badge + 10) / 2;
    TextLook look = titleLook(7);
    look.fill = vertical(baseline - 120, Color::hex(0xFFE9A0), baseline, style::orange);
    Mask text = title.textMask(name, 800, 600, left, baseline);
    paintDecorated(out, dilated(text, 3), {solid(style::white), 0, {}, 0, {}});
    paintDecorated(out, text, look);
    // The "2" sits in a round berry badge, tilted like a price sticker.
    const float bx = left + textWidth + badge / 2.0f - 6, by = baseline - 62;
    out.fill(blurred(shifted(shapeMask(800, 600, circle(bx, by, badge / 2.0f)), 0, 5), 4), solid(style::shadow));
    out.fillShape(star(bx, by, badge / 2.0f + 6, badge / 2.0f - 6, 16, 0), solid(style::berryDark));
    out.fillShape(star(bx, by, badge / 2.0f + 2, badge / 2.0f - 9, 16, 0), radial(bx - 15, by - 20, badge * 0.7f, style::berry.lighter(0.3f), style::berry));
    const Font two(style::titleFont, 96);
    TextLook twoLook;
    twoLook.fill = solid(style::white);
    twoLook.outline = 3;
    twoLook.outlineColor = style::berryDark;
    const Font::Glyph g = two.glyph('2');
    paintDecorated(out, two.textMask("2", 800, 600, int(bx - g.advance / 2.0f), int(by + 34)), twoLook);

    const Font tag(style::titleFont, 30);
    TextLook tagLook;
    tagLook.fill = solid(style::white);
    tagLook.outline = 3;
    tagLook.outlineColor = style::woodDark;
    drawCentredText(out, tag, "a week in a busy little shop", 336, tagLook);

    const uint32_t goods[] = {0x1F34E, 0x1F9F8, 0x1F381, 0x1F337, 0x26BD, 0x1F3B8, 0x1F950, 0x1F4F7};
    const int positions[][2] = {{70, 440}, {160, 500}, {250, 455}, {560, 470}, {650, 510}, {720, 430}, {90, 140}, {700, 190}};
    for (int i = 0; i < 8; ++i) {
        const Picture item = emojiSticker(emoji, goods[i], 72, 60);
        out.draw(item, positions[i][0] - 36, positions[i][1] - 36);
    }
    // The trough the bar fills: dark, inset, a little larger than the bar.
    const Shape trough = roundedRect(barX - 5, barY - 5, barW + 10, barH + 10, (barH + 10) / 2.0f);
    out.fill(blurred(shifted(shapeMask(800, 600, trough), 0, 3), 3), solid(Color::hex(0xFFFFFF, 0.7f)));
    out.fillShape(trough, solid(style::woodDark));
    out.fillShape(grow(trough, -3), vertical(barY - 2, Color::hex(0x3A2416), barY + barH, Color::hex(0x5C3A22)));
    const Font small(style::boldFont, 17);
    TextLook loadingLook;
    loadingLook.fill = solid(style::white);
    loadingLook.outline = 2;
    loadingLook.outlineColor = style::woodDark;
    drawCentredText(out, small, "Loading…", barY + barH + 34, loadingLook);
    return out;
}

Picture loadingBar(int w, int h)
{
    Picture out(w, h);
    const Shape bar = roundedRect(0, 0, w, h, h / 2.0f);
    out.fillShape(bar, vertical(0, Color::hex(0xFFE27A), h, style::orange));
    Mask stripes = shapeMask(w, h, grow(bar, -1));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (((x + y) / 9) % 2 == 0)
                stripes.ref(x, y) = 0;
    out.fill(stripes, solid(Color::hex(0xFFFFFF, 0.22f)));
    out.fillShape(roundedRect(4, 2, w - 8, h * 0.4f, h * 0.2f), solid(Color::hex(0xFFFFFF, 0.4f)));
    return out;
}

Picture icon(const EmojiFont& emoji, int size)
{
    Picture out(size, size);
    const float m = size / 16.0f;
    const Shape tile = roundedRect(m, m, size - 2 * m, size - 2 * m, size * 0.22f);
    out.fillShape(tile, solid(style::orangeDark));
    out.fillShape(grow(tile, -size / 24.0f), vertical(0, Color::hex(0xFFD36B), float(size), style::orange));
    const Picture bag = resized(emoji.emoji(0x1F6CD), int(size * 0.72f), int(size * 0.68f));
    out.draw(bag, (size - bag.width()) / 2, int(size * 0.14f));
    return out;
}

Picture thoughtBubble(int w, int h)
{
    Picture out(w, h);
    const float bodyH = h * 0.78f;
    Shape cloud = roundedRect(10, 8, w - 20, bodyH - 14, 28);
    const int bumps = 6;
    for (int i = 0; i < bumps; ++i) {
        const float x = 22 + (w - 44) * float(i) / (bumps - 1);
        cloud = unite(cloud, circle(x, 16, 14));
        cloud = unite(cloud, circle(x, bodyH - 12, 13));
    }
    cloud = unite(unite(cloud, circle(12, bodyH / 2, 16)), circle(w - 12.0f, bodyH / 2, 16));
    const Shape tail = unite(circle(w * 0.34f, bodyH + 6, 8), circle(w * 0.28f, bodyH + 20, 5));
    const Shape all = unite(cloud, tail);
    out.fill(blurred(shifted(shapeMask(w, h, all), 0, 3), 3), solid(style::shadow));
    out.fill(shapeMask(w, h, grow(all, 0)), solid(style::inkSoft));
    out.fill(shapeMask(w, h, grow(all, -2.5f)), vertical(0, style::white, bodyH, Color::hex(0xF3F6FA)));
    return out;
}

Picture checkbox(bool ticked, int size)
{
    Picture out(size, size);
    const float m = 4;
    const Shape box = roundedRect(m, m, size - 2 * m, size - 2 * m - 2, 8);
    out.fill(blurred(shifted(shapeMask(size, size, box), 0, 2), 2), solid(style::shadow));
    out.fillShape(box, solid(style::woodDark));
    out.fillShape(grow(box, -2.5f), vertical(m, style::creamShade, size - m, style::cream));
    if (ticked) {
        const float s = size;
        const Shape tick = polygon({{s * 0.2f, s * 0.5f}, {s * 0.32f, s * 0.38f}, {s * 0.44f, s * 0.52f}, {s * 0.78f, s * 0.14f},
                                    {s * 0.9f, s * 0.26f}, {s * 0.44f, s * 0.76f}});
        out.fill(dilated(shapeMask(size, size, tick), 2), solid(style::leafDark));
        out.fillShape(tick, vertical(s * 0.1f, style::leaf.lighter(0.3f), s * 0.8f, style::leaf));
    }
    return out;
}

Picture checkMark(int size)
{
    Picture out(size, size);
    const float s = size;
    const Shape tick = polygon({{s * 0.08f, s * 0.52f}, {s * 0.24f, s * 0.36f}, {s * 0.42f, s * 0.54f}, {s * 0.8f, s * 0.08f},
                                {s * 0.96f, s * 0.22f}, {s * 0.42f, s * 0.86f}});
    out.fill(blurred(shifted(shapeMask(size, size, tick), 0, 2), 2), solid(style::shadow));
    out.fill(dilated(shapeMask(size, size, tick), 2.5f), solid(style::leafDark));
    out.fillShape(tick, vertical(0, style::leaf.lighter(0.35f), s, style::leaf));
    return out;
}

Picture knob(int size, bool hover)
{
    Picture out(size, size);
    const float c = size / 2.0f, r = size / 2.0f - 4;
    if (hover)
        out.fill(blurred(shapeMask(size, size, circle(c, c, r + 2)), 3), solid(style::white.withAlpha(0.8f)));
    out.fill(blurred(shifted(shapeMask(size, size, circle(c, c, r)), 0, 2), 2), solid(style::shadow));
    out.fillShape(circle(c, c - 1, r), solid(style::orangeDark));
    const Color face = hover ? style::orange.lighter(0.2f) : style::orange;
    out.fillShape(circle(c, c - 1, r - 2.5f), radial(c - r * 0.3f, c - r * 0.4f, r * 1.4f, face.lighter(0.5f), face));
    for (int i = -1; i <= 1; ++i) // grip lines
        out.fillShape(roundedRect(c + i * r * 0.32f - 1.2f, c - r * 0.4f, 2.4f, r * 0.8f, 1.2f), solid(style::orangeDark.withAlpha(0.7f)));
    return out;
}

Picture sliderTrack(int w, int h)
{
    Picture out(w, h);
    const Shape track = roundedRect(2, 2, w - 4, h - 4, (h - 4) / 2.0f);
    out.fillShape(track, solid(style::woodDark));
    out.fillShape(grow(track, -2), vertical(0, Color::hex(0x5C3A22), h, style::wood));
    return out;
}

Picture arrowCell(int size, bool pointsRight, ButtonState state)
{
    Picture cell = buttonCell(size, size, skyLook, state, nullptr, "", size / 2.0f - 6);
    const float s = size, c = s / 2.0f + (state == ButtonState::Pressed ? 2 : 0) - 2;
    std::vector<std::pair<float, float>> tri = {{s * 0.38f, c - s * 0.18f}, {s * 0.66f, c}, {s * 0.38f, c + s * 0.18f}};
    if (!pointsRight)
        for (auto& p : tri)
            p.first = s - p.first;
    const Shape arrow = grow(polygon(tri), 2);
    cell.fill(dilated(shapeMask(size, size, arrow), 1.5f), solid(state == ButtonState::Disabled ? style::disabledDark : style::skyDark));
    cell.fillShape(arrow, solid(style::white));
    return cell;
}

Picture arrowSheet(int size, bool pointsRight)
{
    std::vector<Picture> cells;
    for (int s = 0; s < kButtonStates; ++s)
        cells.push_back(arrowCell(size, pointsRight, ButtonState(s)));
    return sideBySide(cells);
}

Picture emojiSheet(const EmojiFont& emoji, const std::vector<uint32_t>& codes, int size, int art, int columns)
{
    const int rows = int((codes.size() + size_t(columns) - 1) / size_t(columns));
    Picture sheet(columns * size, rows * size);
    for (size_t i = 0; i < codes.size(); ++i)
        sheet.draw(emojiSticker(emoji, codes[i], size, art), int(i % size_t(columns)) * size, int(i / size_t(columns)) * size);
    return sheet;
}

Picture sparkleSheet(int size, int frames)
{
    std::vector<Picture> cells;
    for (int f = 0; f < frames; ++f) {
        Picture cell(size, size);
        const float t = float(f) / frames;
        const float grow = std::sin(3.14159265f * (t + 0.5f / frames));
        const float c = size / 2.0f, r = size * 0.46f * (0.35f + 0.65f * grow);
        cell.fill(blurred(shapeMask(size, size, circle(c, c, r * 0.45f)), size / 10.0f), solid(style::gold.withAlpha(0.7f)));
        cell.fillShape(star(c, c, r, r * 0.18f, 4, t * 90.0f), radial(c, c, r, style::white, style::gold));
        cell.fillShape(star(c, c, r * 0.55f, r * 0.12f, 4, t * 90.0f + 45.0f), solid(style::white.withAlpha(0.85f)));
        cells.push_back(cell);
    }
    return sideBySide(cells);
}

Picture shelf(int w, int h)
{
    Picture out(w, h);
    const Shape plank = roundedRect(0, 2, w, h - 8, 4);
    out.fill(blurred(shifted(shapeMask(w, h, plank), 0, 4), 3), solid(style::shadow));
    out.fillShape(plank, vertical(2, style::woodLight, h - 6, style::wood));
    out.fillShape(roundedRect(0, 2, w, 4, 2), solid(Color::hex(0xFFFFFF, 0.35f)));
    out.fill(outlineMask(w, h, plank, 1.5f), solid(style::woodDark));
    return out;
}

Picture shopWall()
{
    const int w = 800, h = 600;
    Picture out(w, h);
    out.fillShape(roundedRect(-5, -5, w + 10, h + 10, 0), vertical(0, Color::hex(0xFCE9C8), h, Color::hex(0xF4D3A1)));
    Mask stripes(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            stripes.ref(x, y) = (x / 20) % 2 ? 0.0f : 1.0f;
    out.fill(stripes, solid(Color::hex(0xFFFFFF, 0.25f)));
    out.fillShape(roundedRect(-5, 540, w + 10, 70, 0), vertical(540, style::wood, 600, style::woodDark));
    out.fillShape(roundedRect(-5, 536, w + 10, 8, 0), solid(style::woodLight));
    return out;
}

// content/buttons.txt: "name colour width height label", one labelled button per line.
void labelledButtons(Output& out, const std::string& path, const Font& font)
{
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        if (line.empty() || line[0] == ';')
            continue;
        std::istringstream fields(line);
        std::string name, colour;
        int width = 0, height = 0;
        fields >> name >> colour >> width >> height;
        std::string label;
        std::getline(fields >> std::ws, label);
        if (label.size() >= 2 && label.front() == '"' && label.back() == '"')
            label = label.substr(1, label.size() - 2);
        if (name.empty() || width < 40 || height < 30 || label.empty())
            throw std::runtime_error(path + ":" + std::to_string(lineNumber) + ": expected name colour width height \"label\"");
        out.picture(name, buttonSheet(width, height, lookNamed(colour), &font, label, style::buttonRadius));
    }
}

void bake(Output& out, const std::string& name, const std::string& fontPath, int size, const TextLook& look, int extraAdvance)
{
    const BakedFont font = bakeFont(fontPath, size, look, extraAdvance);
    out.picture(name, font.sheet);
    out.raw(name + "_m", encodePng(6, 256, metricsRgba(font.metrics)));
}

TextLook plain(Color color)
{
    TextLook look;
    look.fill = solid(color);
    return look;
}

void fonts(Output& out)
{
    TextLook title = titleLook(3);
    title.fill = vertical(0, Color::hex(0xFFF3C4), 60, style::gold);
    TextLook big = titleLook(2.5f);
    big.fill = vertical(0, style::white, 40, Color::hex(0xFFE9B0));
    TextLook button = plain(style::white);
    button.outline = 2;
    button.outlineColor = style::woodDark;
    TextLook light = plain(style::white);
    light.shadow = 1.5f;
    light.shadowColor = Color::hex(0x2B1A10, 0.6f);

    struct FontSpec { const char* name; const std::string& face; int size; TextLook look; int extraAdvance; };
    const FontSpec specs[] = {
        {"font_title", style::titleFont, 40, title, 2},
        {"font_big", style::titleFont, 28, big, 1},
        {"font_button", style::boldFont, 20, button, 1},
        {"font_body", style::bodyFont, 17, plain(style::ink), 0},
        {"font_bold", style::boldFont, 17, plain(style::ink), 0},
        {"font_bubble", style::boldFont, 14, plain(style::ink), 0},
        {"font_small", style::bodyFont, 13, plain(style::inkSoft), 0},
        {"font_white", style::boldFont, 17, light, 0},
    };
    for (const FontSpec& spec : specs)
        bake(out, spec.name, spec.face, spec.size, spec.look, spec.extraAdvance);
}

void digits(Output& out)
{
    TextLook gold;
    gold.fill = vertical(0, Color::hex(0xFFF1B0), 34, style::gold);
    gold.outline = 2;
    gold.outlineColor = style::woodDark;
    gold.shadow = 1;
    out.picture("digits", digitSheet(style::boldFont, 24, 34, 15, gold));
    out.picture("digits_plain", digitSheet(style::boldFont, 24, 34, 10, gold));
    TextLook white;
    white.outline = 2;
    white.outlineColor = style::woodDark;
    out.picture("digits_small", digitSheet(style::boldFont, 16, 24, 15, white));
    TextLook ink;
    ink.fill = solid(style::ink);
    out.picture("digits_ink", digitSheet(style::boldFont, 14, 20, 10, ink));
}

// The desktop's icons of the game, in the hicolor theme's layout under OUTDIR/icons (files for
// the install step, not package items): the window icon's picture at each size the desktops
// ask for. The file name is the application id of packaging/com.corvalen.Kipto2.desktop.
void desktopIcons(const std::string& outDir, const EmojiFont& emoji, const Picture& small)
{
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const std::string folder = outDir + "/icons/hicolor/" + std::to_string(size) + "x" + std::to_string(size) + "/apps";
        std::filesystem::create_directories(folder);
        writePng(folder + "/com.corvalen.Kipto2.png", size == small.width() ? small : icon(emoji, size));
    }
}

} // namespace

int makeUi(const std::string& outDir, const std::string& listPath, const std::string& buttonsPath)
{
    Output out(outDir, listPath);
    const EmojiFont emoji(style::emojiFont);

    // Loading screen: the bar is drawn at (286, 359) over the logo, 228 pixels wide.
    out.picture("logo", loadingScreen(emoji, 286, 359, 228, 24));
    out.picture("loading", loadingBar(228, 24));
    out.picture("icon", icon(emoji, 64));
    // Drawn at 64 and shrunk: drawn at 16 the bag would be a smudge.
    const Picture icon16 = resized(icon(emoji, 64), 16, 16);
    out.picture("icon16", icon16);
    desktopIcons(outDir, emoji, icon16);
    out.picture("bg_menu", backdrop(true));
    out.picture("bg_sky", backdrop(false));
    out.picture("bg_shop", shopWall());

    fonts(out);
    digits(out);

    const Font buttonFont(style::boldFont, 23);
    out.picture("btn_orange", buttonSheet(180, 60, orangeLook, nullptr, "", style::buttonRadius));
    out.picture("btn_sky", buttonSheet(180, 60, skyLook, nullptr, "", style::buttonRadius));
    out.picture("btn_leaf", buttonSheet(180, 60, leafLook, nullptr, "", style::buttonRadius));
    out.picture("btn_round", buttonSheet(60, 60, skyLook, nullptr, "", 24));
    labelledButtons(out, buttonsPath, buttonFont);
    out.picture("arrow_left", arrowSheet(60, false));
    out.picture("arrow_right", arrowSheet(60, true));

    out.picture("dlg_large", panel(620, 460));
    out.picture("dlg_medium", panel(480, 340));
    out.picture("dlg_small", panel(380, 240));
    out.picture("ribbon", ribbon(360, 74, style::berry, style::berryDark));
    out.picture("ribbon_sky", ribbon(360, 74, style::sky, style::skyDark));

    out.picture("checkbox", sideBySide({checkbox(false, 44), checkbox(true, 44)}));
    out.picture("checkmark", checkMark(40));
    out.picture("knob", sideBySide({knob(40, false), knob(40, true)}));
    out.picture("slider", sliderTrack(300, 18));
    out.picture("thoughtbubble", thoughtBubble(150, 116));
    out.picture("money", emojiSheet(emoji, {0x1F4B5, 0x1F4B6, 0x1F4B7, 0x1F4B4, 0x1F4B3}, 56, 46, 5));
    out.picture("custfaces", emojiSheet(emoji, {0x1F469, 0x1F468, 0x1F475, 0x1F474, 0x1F467, 0x1F466, 0x1F9D1, 0x1F471,
                                               0x1F9D4, 0x1F9D3, 0x1F472, 0x1F9D5, 0x1F473, 0x1F478, 0x1F934, 0x1F936}, 96, 84, 4));
    out.picture("stars", sideBySide({starPicture(48, style::bronze, style::bronzeDark), starPicture(48, style::silver, style::silverDark),
                                     starPicture(48, style::gold, style::goldDark)}));
    out.picture("stars_big", sideBySide({starPicture(112, style::bronze, style::bronzeDark), starPicture(112, style::silver, style::silverDark),
                                         starPicture(112, style::gold, style::goldDark)}));
    out.picture("star_bronze", starPicture(40, style::bronze, style::bronzeDark));
    out.picture("star_silver", starPicture(40, style::silver, style::silverDark));
    out.picture("star_gold", starPicture(40, style::gold, style::goldDark));
    out.picture("star_slot", starPicture(32, style::disabled, style::disabledDark));
    out.picture("twinkles", sparkleSheet(48, 8));
    out.picture("shelf", shelf(760, 30));
    out.picture("shelf_short", shelf(258, 30));
    out.picture("dlg_narrow", panel(270, 270));
    out.picture("ribbon_short", ribbon(240, 60, style::berry, style::berryDark));
    return 0;
}

} // namespace contentgen
