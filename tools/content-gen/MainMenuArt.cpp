#include "MainMenuArt.h"

#include "Decor.h"
#include "MenuKit.h"
#include "Rng.h"
#include "Sticker.h"
#include "Style.h"

#include <cmath>

namespace contentgen {

namespace {

const int W = 800, H = 600;
const int streetTop = 478; // where the pavement starts

Mask softShadow(int w, int h, const Shape& shape, int drop, float blur)
{
    return blurred(shifted(shapeMask(w, h, shape), 0, drop), blur);
}

// A striped awning from x0 to x1 whose scallops hang down to top + height.
void awning(Picture& out, float x0, float x1, float top, float height, int stripes, Color colour)
{
    const float stripeW = (x1 - x0) / stripes, r = stripeW / 2;
    Shape all = roundedRect(x0, top, x1 - x0, height - r, 0);
    for (int i = 0; i < stripes; ++i)
        all = unite(all, circle(x0 + r + i * stripeW, top + height - r, r));
    out.fill(softShadow(out.width(), out.height(), all, 5, 4), solid(style::shadow));
    for (int i = 0; i < stripes; ++i) {
        const Color c = i % 2 ? style::white : colour;
        const Shape stripe = unite(roundedRect(x0 + i * stripeW, top, stripeW + 0.5f, height - r, 0),
            circle(x0 + r + i * stripeW, top + height - r, r));
        out.fillShape(stripe, vertical(top, c, top + height, c.darker(0.12f)));
    }
    out.fill(outlineMask(out.width(), out.height(), all, 1.2f), solid(colour.darker(0.35f).withAlpha(0.6f)));
    out.fillShape(roundedRect(x0 - 6, top - 8, x1 - x0 + 12, 12, 5),
        vertical(top - 8, style::woodLight, top + 4, style::wood));
}

// A shop window with a wooden frame and goods standing on its sill.
void shopWindow(Picture& out, const EmojiFont& emoji, float x, float y, float w, float h,
    const std::vector<uint32_t>& goods)
{
    const Shape frame = roundedRect(x, y, w, h, 8);
    out.fillShape(frame, solid(style::woodDark));
    const Shape glass = roundedRect(x + 6, y + 6, w - 12, h - 12, 5);
    out.fillShape(glass, vertical(y, Color::hex(0xCDEFFF), y + h, Color::hex(0x8CCBEA)));
    out.fillShape(intersect(glass,
                      polygon({{x, y + h * 0.7f}, {x + w * 0.45f, y}, {x + w * 0.62f, y},
                          {x + w * 0.17f, y + h}, {x, y + h}})),
        solid(Color::hex(0xFFFFFF, 0.25f)));
    const int size = int(std::min(w / std::max<size_t>(1, goods.size()), h * 0.7f));
    for (size_t i = 0; i < goods.size(); ++i) {
        const Picture item = emojiSticker(emoji, goods[i], size, int(size * 0.84f));
        const float cx = x + w * (i + 0.5f) / goods.size();
        out.draw(item, int(cx - size / 2.0f), int(y + h - 10 - size));
    }
    out.fillShape(roundedRect(x - 4, y + h - 8, w + 8, 10, 3),
        vertical(y + h - 8, style::woodLight, y + h + 2, style::wood));
}

void skyAndHills(Picture& out)
{
    out.fillShape(roundedRect(-10, -10, W + 20, H + 20, 0),
        vertical(0, Color::hex(0x5BBEF0), 420, Color::hex(0xDDF4FF)));
    out.fill(blurred(shapeMask(W, H, circle(690, 70, 46)), 30), solid(Color::hex(0xFFF6C8, 0.8f)));
    out.fillShape(circle(690, 70, 40), radial(680, 60, 50, Color::hex(0xFFF8D0), Color::hex(0xFFD75A)));
    out.fillShape(
        ellipse(120, 470, 330, 160), vertical(320, Color::hex(0xA7E08A), 470, Color::hex(0x74C15A)));
    out.fillShape(
        ellipse(700, 480, 360, 170), vertical(320, Color::hex(0x98D87C), 480, Color::hex(0x66B24E)));
    Rng rng(7);
    for (int i = 0; i < 9; ++i) { // round trees on the hills
        const float x = float(rng.range(20, 780)), y = float(rng.range(300, 350)),
                    r = float(rng.range(14, 22));
        out.fillShape(roundedRect(x - 2.5f, y, 5, r + 10, 2), solid(style::woodDark));
        out.fillShape(circle(x, y, r),
            radial(x - r * 0.4f, y - r * 0.4f, r * 1.6f, Color::hex(0x8ED66A), Color::hex(0x4E9E3A)));
    }
}

// The neighbours at both ends of the street, mostly behind the menu's buttons.
void sideShops(Picture& out, const EmojiFont& emoji)
{
    struct Side {
        float x, w, roof;
        uint32_t wall;
        Color awning;
        std::vector<uint32_t> goods;
    };
    const Side sides[] = {{-20, 235, 262, 0xF7D9B0, style::leaf, {0x1F35E, 0x1F950, 0x1F370}},
        {585, 235, 262, 0xD9E8F7, style::sky, {0x1F9F8, 0x1F388, 0x1FA81}}};
    for (const Side& s : sides) {
        const Shape wall = roundedRect(s.x, s.roof, s.w, streetTop - s.roof + 10, 6);
        out.fill(softShadow(W, H, wall, 4, 5), solid(style::shadow));
        out.fillShape(wall, vertical(s.roof, Color::hex(s.wall), streetTop, Color::hex(s.wall).darker(0.1f)));
        out.fillShape(roundedRect(s.x - 6, s.roof - 14, s.w + 12, 18, 4),
            vertical(s.roof - 14, style::woodLight, s.roof + 4, style::wood));
        awning(out, s.x + 10, s.x + s.w - 10, s.roof + 16, 46, 7, s.awning);
        shopWindow(out, emoji, s.x + 30, s.roof + 90, s.w - 60, 118, s.goods);
    }
}

// The player's shop in the middle: a tall facade with a big awning and the bracket the
// start sign hangs from.
void mainShop(Picture& out, const EmojiFont& emoji)
{
    const float x = 190, top = 176, w = 420;
    const Shape wall = roundedRect(x, top, w, streetTop - top + 10, 8);
    out.fill(softShadow(W, H, wall, 5, 6), solid(style::shadow));
    out.fillShape(wall, vertical(top, Color::hex(0xFFE8C2), streetTop, Color::hex(0xF2C98F)));
    Mask bricks(W, H); // faint courses of brick on the wall
    for (int yy = int(top) + 60; yy < streetTop; ++yy)
        for (int xx = int(x) + 4; xx < int(x + w) - 4; ++xx)
            if ((yy - int(top)) % 22 == 0 || ((xx + ((yy - int(top)) / 22 % 2) * 24) % 48 == 0))
                bricks.ref(xx, yy) = 1;
    out.fill(bricks, solid(Color::hex(0xC98F55, 0.22f)));
    out.fillShape(roundedRect(x - 10, top - 16, w + 20, 22, 6),
        vertical(top - 16, style::woodLight, top + 6, style::wood));
    awning(out, x + 8, x + w - 8, top + 14, 58, 10, Color::hex(0xE8505B));
    // Two windows beside the door, and the door itself, half hidden behind the sign.
    shopWindow(out, emoji, x + 20, 322, 104, 118, {0x1F34E, 0x1F9C1});
    shopWindow(out, emoji, x + w - 124, 322, 104, 118, {0x1F381, 0x1F33B});
    const Shape door = roundedRect(x + w / 2 - 46, 330, 92, streetTop - 330, 10);
    out.fillShape(door, solid(style::woodDark));
    out.fillShape(grow(door, -5), vertical(330, style::woodLight, streetTop, style::wood));
    out.fillShape(circle(x + w / 2 + 30, 410, 5), solid(style::gold));
    // The bracket arm under the awning, with the hook the sign hangs from.
    out.fillShape(
        roundedRect(x + w / 2 - 70, 226, 140, 10, 5), vertical(226, style::woodLight, 236, style::woodDark));
    out.fillShape(roundedRect(x + w / 2 - 76, 220, 12, 22, 4), solid(style::woodDark));
    out.fillShape(roundedRect(x + w / 2 + 64, 220, 12, 22, 4), solid(style::woodDark));
}

void pavement(Picture& out, const EmojiFont& emoji)
{
    out.fillShape(roundedRect(-10, streetTop, W + 20, H - streetTop + 10, 0),
        vertical(streetTop, Color::hex(0xE9D9C0), H, Color::hex(0xCDB697)));
    Mask joints(W, H);
    for (int y = streetTop; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const int row = (y - streetTop) / 30;
            if ((y - streetTop) % 30 == 0 || (x + row * 35) % 70 == 0)
                joints.ref(x, y) = 1;
        }
    out.fill(joints, solid(Color::hex(0x9C8266, 0.35f)));
    out.fillShape(roundedRect(-10, streetTop, W + 20, 8, 0),
        vertical(streetTop, Color::hex(0xB39B7C), streetTop + 8, Color::hex(0xE9D9C0)));
    // Crates of goods and flower pots in front of the shops.
    struct Prop {
        float x;
        uint32_t goods;
        bool pot;
    };
    const Prop props[]
        = {{120, 0x1F34F, false}, {262, 0x1F337, true}, {538, 0x1F33C, true}, {680, 0x1F34A, false}};
    for (const Prop& p : props) {
        const float y = 560;
        if (p.pot) {
            out.fill(softShadow(W, H, ellipse(p.x, y + 20, 30, 8), 0, 4), solid(style::shadow));
            out.fillShape(
                polygon({{p.x - 26, y - 14}, {p.x + 26, y - 14}, {p.x + 19, y + 22}, {p.x - 19, y + 22}}),
                vertical(y - 14, Color::hex(0xE07A4B), y + 22, Color::hex(0xB2542C)));
            for (int k = -1; k <= 1; ++k) {
                const Picture flower = emojiSticker(emoji, p.goods, 40, 34);
                out.draw(flower, int(p.x - 20 + k * 18), int(y - 50 - (k == 0 ? 12 : 0)));
            }
        } else {
            out.fill(softShadow(W, H, roundedRect(p.x - 48, y - 10, 96, 36, 4), 3, 4), solid(style::shadow));
            for (int k = 0; k < 4; ++k) {
                const Picture fruit = emojiSticker(emoji, p.goods, 38, 32);
                out.draw(fruit, int(p.x - 44 + k * 22), int(y - 30 - (k % 2) * 6));
            }
            const Shape crate = roundedRect(p.x - 48, y - 10, 96, 36, 4);
            out.fillShape(crate, vertical(y - 10, style::woodLight, y + 26, style::wood));
            out.fill(outlineMask(W, H, crate, 1.5f), solid(style::woodDark));
            out.fillShape(roundedRect(p.x - 44, y + 6, 88, 3, 1), solid(style::woodDark.withAlpha(0.5f)));
        }
    }
}

// The sign's board: wood rim, cream face, a word in the title look and a sticker.
Picture signBoard(const EmojiFont& emoji, const std::string& word, Color face, Color faceDark,
    uint32_t sticker, bool glowing)
{
    const int bw = SignCell::BoardW, bh = SignCell::BoardH;
    Picture board(bw + 20, bh + 20);
    const Shape outer = roundedRect(10, 8, bw, bh, 26);
    board.fill(softShadow(board.width(), board.height(), outer, 6, 5), solid(style::shadow));
    board.fillShape(outer, vertical(8, style::woodLight, 8 + bh, style::wood));
    board.fill(outlineMask(board.width(), board.height(), outer, 2), solid(style::woodDark));
    const Shape inner = roundedRect(22, 20, bw - 24, bh - 24, 18);
    const Color lit = glowing ? face.lighter(0.25f) : face;
    board.fillShape(grow(inner, 1.5f), solid(style::woodDark.withAlpha(0.8f)));
    board.fillShape(inner, vertical(20, lit.lighter(0.35f), 20 + bh - 24, lit));
    board.fillShape(intersect(inner, roundedRect(26, 22, bw - 32, (bh - 24) * 0.42f, 14)),
        solid(Color::hex(0xFFFFFF, 0.28f)));
    const Font font(style::titleFont, 64);
    TextLook look;
    look.fill = vertical(40, style::white, 120, Color::hex(0xFFF1C8));
    look.outline = 4;
    look.outlineColor = faceDark;
    look.shadow = 3;
    look.shadowColor = Color::hex(0x2B1A10, 0.45f);
    const Picture bag = emojiSticker(emoji, sticker, 62, 52);
    const int textWidth = font.textWidth(word);
    const int left = (board.width() - textWidth - 56) / 2;
    board.draw(bag, left - 8, 8 + bh / 2 - 33);
    drawLine(board, font, word, float(left + 56), 8 + bh / 2 + 22, look);
    return board;
}

// The whole hanging sign (chains from the hook, and the board) at rest in one cell.
Picture hangingSign(const EmojiFont& emoji, const std::string& word, Color face, Color faceDark,
    uint32_t sticker, bool glowing)
{
    Picture cell(SignCell::Width, SignCell::Height);
    const float hx = SignCell::HookX, hy = SignCell::HookY;
    const float leftX = SignCell::BoardX + 40.0f, rightX = SignCell::BoardX + SignCell::BoardW - 40.0f,
                chainY = SignCell::BoardY + 14.0f;
    for (float endX : {leftX, rightX}) { // chains of little oval links
        const int links = 8;
        for (int i = 0; i < links; ++i) {
            const float t = (i + 0.5f) / links;
            const float cx = hx + (endX - hx) * t, cy = hy + (chainY - hy) * t;
            const Shape link = ellipse(cx, cy, 4.0f, 6.0f);
            cell.fill(outlineMask(cell.width(), cell.height(), link, 2.6f), solid(Color::hex(0x4F5B68)));
            cell.fill(outlineMask(cell.width(), cell.height(), link, 1.4f), solid(Color::hex(0xB8C2CC)));
        }
    }
    cell.fillShape(circle(hx, hy, 7), radial(hx - 2, hy - 2, 9, Color::hex(0xE6EBF0), Color::hex(0x6D7885)));
    if (glowing) {
        const Picture board = signBoard(emoji, word, face, faceDark, sticker, true);
        cell.draw(
            withGlow(board, Color::hex(0xFFF4B0, 0.9f), 8), SignCell::BoardX - 10, SignCell::BoardY - 8);
    } else {
        cell.draw(signBoard(emoji, word, face, faceDark, sticker, false), SignCell::BoardX - 10,
            SignCell::BoardY - 8);
    }
    return cell;
}

// The sign turned about its hook, or squeezed about its middle (a flip).
Picture swung(const Picture& sign, float degrees)
{
    return transformed(sign, SignCell::Width, SignCell::Height, SignCell::HookX, SignCell::HookY,
        SignCell::HookX, SignCell::HookY, 1, 1, degrees);
}

Picture flipped(const Picture& sign, float scaleX)
{
    const float cx = SignCell::Width / 2.0f;
    return transformed(sign, SignCell::Width, SignCell::Height, cx, 0, cx, 0, scaleX, 1, 0);
}

// Confetti and stars thrown out from the board's middle; t runs from 0 to 1.
void confetti(Picture& cell, float t, uint32_t seed)
{
    const Color colours[] = {style::orange, style::sky, style::leaf, style::berry, style::gold, style::white};
    Rng rng(seed);
    const float cx = SignCell::Width / 2.0f, cy = SignCell::BoardY + SignCell::BoardH / 2.0f;
    const float fade = t < 0.7f ? 1.0f : std::max(0.0f, 1.0f - (t - 0.7f) / 0.3f);
    for (int i = 0; i < 46; ++i) {
        const float angle = float(rng.range(0, 2 * 3.14159265));
        const float speed = float(rng.range(50, 120));
        // Thrown from the board's rim outward, then falling a little.
        const float reach = 1.0f + speed * t / 90.0f;
        const float x = cx + std::cos(angle) * SignCell::BoardW * 0.5f * reach;
        const float y = cy + std::sin(angle) * SignCell::BoardH * 0.5f * reach + 60 * t * t;
        const Color c = colours[i % 6].withAlpha(fade);
        const float spin = float(rng.range(0, 180)) + t * 400;
        if (i % 4 == 0) {
            cell.fillShape(star(x, y, 11, 5, 5, spin), solid(c));
        } else {
            // A paper strip turning as it flies: its width swings with the spin.
            const float half = 6 * std::fabs(std::cos(spin * 3.14159265f / 180)) + 1.5f;
            cell.fillShape(roundedRect(x - half, y - 4, 2 * half, 8, 1.5f), solid(c));
        }
    }
}

void sparkles(Picture& cell, float t)
{
    const float cx = SignCell::Width / 2.0f, cy = SignCell::BoardY + SignCell::BoardH / 2.0f;
    for (int i = 0; i < 6; ++i) {
        const float angle = i * 3.14159265f / 3 + 0.3f;
        const float r = 90 + 60 * t, size = 12 * std::sin(3.14159265f * t) + 2;
        const float x = cx + std::cos(angle) * r * 1.4f, y = cy + std::sin(angle) * r * 0.8f;
        cell.fillShape(star(x, y, size, size * 0.25f, 4, t * 90), solid(style::gold.lighter(0.4f)));
    }
}

} // namespace

Picture menuBackdrop(const EmojiFont& emoji)
{
    Picture out(W, H);
    skyAndHills(out);
    sideShops(out, emoji);
    mainShop(out, emoji);
    pavement(out, emoji);
    return out;
}

Picture menuCloud(int width, int height, int puffs, uint32_t seed)
{
    Picture out(width, height);
    Rng rng(seed);
    const float base = height * 0.68f;
    Shape cloud
        = roundedRect(width * 0.08f, base - height * 0.2f, width * 0.84f, height * 0.26f, height * 0.13f);
    for (int i = 0; i < puffs; ++i) {
        const float t = (i + 0.5f) / puffs;
        const float r = height * (0.2f + 0.17f * std::sin(3.14159265f * t)) + float(rng.range(-3, 3));
        cloud = unite(cloud, circle(width * (0.14f + 0.72f * t), base - r * 0.6f, r));
    }
    out.fill(blurred(shifted(shapeMask(width, height, cloud), 0, 4), 4), solid(Color::hex(0x6AA9D0, 0.25f)));
    out.fillShape(cloud, vertical(0, style::white, float(height), Color::hex(0xE4F2FB)));
    return out;
}

Picture menuTitle()
{
    const int width = 440, height = 128;
    Picture out(width, height);
    const Font title(style::titleFont, 108);
    const std::string name = "Kipto";
    const int textWidth = title.textWidth(name), badge = 84;
    const int left = (width - textWidth - badge + 6) / 2, baseline = 100;
    TextLook look;
    look.fill = vertical(baseline - 80, Color::hex(0xFFE9A0), float(baseline), style::orange);
    look.outline = 6;
    look.outlineColor = style::woodDark;
    look.shadow = 5;
    look.shadowColor = Color::hex(0x2B1A10, 0.45f);
    const Mask text = title.textMask(name, width, height, left, baseline);
    paintDecorated(out, dilated(text, 2.5f), inkLook(style::white));
    paintDecorated(out, text, look);
    // The "2" in a round berry badge, tilted like a price sticker.
    const float bx = left + textWidth + badge / 2.0f - 4, by = baseline - 50.0f;
    out.fill(softShadow(width, height, circle(bx, by, badge / 2.0f), 4, 3), solid(style::shadow));
    out.fillShape(star(bx, by, badge / 2.0f + 4, badge / 2.0f - 5, 16, 0), solid(style::berryDark));
    out.fillShape(star(bx, by, badge / 2.0f + 1, badge / 2.0f - 7, 16, 0),
        radial(bx - 12, by - 15, badge * 0.7f, style::berry.lighter(0.3f), style::berry));
    const Font two(style::titleFont, 72);
    TextLook twoLook = outlinedLook(style::white, style::berryDark, 3);
    drawLine(out, two, "2", bx, int(by + 26), twoLook, Align::Centre);
    return out;
}

StartSignSheets startSignSheets(const EmojiFont& emoji)
{
    const uint32_t bag = 0x1F6CD, open = 0x1F389;
    const Picture rest = hangingSign(emoji, "Play!", style::orange, style::orangeDark, bag, false);
    const Picture lit = hangingSign(emoji, "Play!", style::orange, style::orangeDark, bag, true);
    const Picture openLit = hangingSign(emoji, "Open!", style::leaf, style::leafDark, open, true);
    StartSignSheets sheets;

    std::vector<Picture> rattle{rest};
    for (float degrees : {2.5f, 4.5f, 3.0f, 0.0f, -2.5f, -4.5f, -3.0f, 0.0f})
        rattle.push_back(swung(lit, degrees));
    sheets.rattleFrames = int(rattle.size());
    sheets.rattle = sideBySide(rattle);

    std::vector<Picture> flip;
    const float squeeze[] = {1.0f, 0.72f, 0.38f, 0.08f, 0.08f, 0.38f, 0.72f, 1.0f};
    for (int i = 0; i < 8; ++i) {
        Picture frame = flipped(i < 4 ? lit : openLit, squeeze[i]);
        if (i >= 2)
            sparkles(frame, (i - 2) / 5.0f);
        flip.push_back(frame);
    }
    sheets.burst1Frames = int(flip.size());
    sheets.burst1 = sideBySide(flip);

    std::vector<Picture> burst{openLit};
    const int burstFrames = 10;
    for (int i = 1; i < burstFrames; ++i) {
        Picture frame(SignCell::Width, SignCell::Height);
        const float t = float(i) / (burstFrames - 1);
        const float bounce = 1.0f + 0.06f * std::sin(3.14159265f * std::min(1.0f, t * 2.5f));
        // The confetti flies out from behind the board, so that the word stays readable.
        confetti(frame, t, 11);
        frame.draw(transformed(openLit, SignCell::Width, SignCell::Height, SignCell::HookX, SignCell::HookY,
                       SignCell::HookX, SignCell::HookY, bounce, bounce, 0),
            0, 0);
        burst.push_back(frame);
    }
    sheets.burst2Frames = int(burst.size());
    sheets.burst2 = sideBySide(burst);
    return sheets;
}

} // namespace contentgen
