#include "ShopHud.h"

#include "Decor.h"
#include "ShopFixtures.h"
#include "ShopPainter.h"
#include "Sticker.h"
#include "Style.h"

#include <algorithm>
#include <cmath>

namespace contentgen {

namespace {

const Color shadowTone = Color::hex(0x2B1A10, 0.35f);
const Color trayFace = Color::hex(0x5C3A22, 0.82f);

Shape rect(float x, float y, float w, float h)
{
    return roundedRect(x, y, w, h, 0);
}

TextLook whiteText(float outline, Color rim)
{
    TextLook look;
    look.fill = solid(style::white);
    look.outline = outline;
    look.outlineColor = rim;
    return look;
}

// A translucent wooden plaque, the ground of every HUD piece.
Picture plaque(int w, int h)
{
    Picture out(w, h);
    Painter p(out);
    const Shape body = roundedRect(2, 1, float(w) - 4, float(h) - 5, (float(h) - 5) / 2);
    p.shadow(body, {0, 0, float(w), float(h)}, 2, 2, shadowTone);
    p.fill(body, {0, 0, float(w), float(h)}, solid(style::woodDark.withAlpha(0.95f)));
    p.fill(
        grow(body, -2), {0, 0, float(w), float(h)}, vertical(0, trayFace.lighter(0.15f), float(h), trayFace));
    p.fill(intersect(grow(body, -3), rect(0, 0, float(w), float(h) * 0.42f)), {0, 0, float(w), float(h)},
        solid(Color::hex(0xFFFFFF, 0.12f)));
    return out;
}

Picture smallStar(Color face, Color dark)
{
    return starPicture(hud::starSize + 4, face, dark);
}

Picture emptySlot(Color rim)
{
    const int s = hud::starSize + 4;
    Picture out(s, s);
    Painter p(out);
    const float c = s / 2.0f;
    const Shape shape = grow(star(c, c + 0.5f, s * 0.42f, s * 0.2f, 5, 0), 1);
    p.fill(shape, {0, 0, float(s), float(s)}, solid(Color::hex(0x2B1A10, 0.45f)));
    p.stroke(shape, {0, 0, float(s), float(s)}, 1.3f, solid(rim));
    return out;
}

Picture starTray()
{
    Picture out = plaque(hud::trayW, hud::trayH);
    Painter p(out);
    for (int n = 1; n <= 15; ++n) {
        // Slots from the tenth on show the colour of the star that will fill them.
        const Color rim = n < 10 ? Color::hex(0xC9B49C)
            : n < 13             ? style::bronze
            : n < 15             ? style::silver
                                 : style::gold;
        p.picture(emptySlot(rim), float(hud::starsLeft - hud::trayX + (n - 1) * hud::starPitch - 2),
            float(hud::starY - hud::trayY - 2));
    }
    // A small notch between the served stars and the medal stars.
    const float x = float(hud::starsLeft - hud::trayX + 9 * hud::starPitch - 3);
    p.fill(roundedRect(x, 7, 2, hud::trayH - 16, 1), {x - 1, 6, 4, float(hud::trayH)},
        solid(Color::hex(0xFFE9B0, 0.6f)));
    return out;
}

// A round alarm clock face, the clock plaque's icon.
void clockIcon(Painter& p, float cx, float cy, float r)
{
    const Box box{cx - r - 4, cy - r - 6, 2 * r + 8, 2 * r + 10};
    for (float side : {-1.0f, 1.0f}) {
        p.fill(circle(cx + side * r * 0.62f, cy - r * 0.78f, r * 0.34f), box, solid(style::berryDark));
        p.fill(circle(cx + side * r * 0.62f, cy - r * 0.8f, r * 0.26f), box, solid(style::berry));
    }
    p.fill(circle(cx, cy, r), box, solid(style::berryDark));
    p.fill(circle(cx, cy, r - 1.6f), box, solid(style::berry));
    p.fill(circle(cx, cy, r - 3.2f), box, solid(Color::hex(0xFFFDF5)));
    p.fill(polygon({{cx - 1, cy + 1}, {cx + 1, cy - 1}, {cx + r * 0.5f, cy - r * 0.05f}}), box,
        solid(style::ink));
    p.fill(polygon({{cx - 1, cy}, {cx + 1, cy}, {cx, cy - r * 0.62f}}), box, solid(style::ink));
    p.fill(circle(cx, cy, 1.4f), box, solid(style::berryDark));
}

Picture clockPlaque()
{
    Picture out = plaque(hud::clockW, hud::clockH);
    Painter p(out);
    clockIcon(p, 20, 19, 12);
    return out;
}

Picture lowTimeGlow()
{
    const int w = hud::clockW + 30, h = hud::clockH + 26;
    Picture out(w, h);
    Painter p(out);
    const Shape ring = roundedRect(15, 12, hud::clockW - 2, hud::clockH - 4, (hud::clockH - 4) / 2.0f);
    Mask glow = blurred(dilated(shapeMask(w, h, ring), 5), 5);
    out.fill(glow, solid(Color::hex(0xFF2A2A, 0.95f)));
    p.stroke(ring, {0, 0, float(w), float(h)}, 3, solid(Color::hex(0xFFE0E0)));
    // Exclamation badges at both ends.
    for (float x : {12.0f, float(w) - 12}) {
        p.fill(circle(x, 12, 9), {x - 10, 2, 20, 20}, solid(Color::hex(0xC8102E)));
        p.fill(circle(x, 12, 7.5f), {x - 10, 2, 20, 20}, solid(Color::hex(0xFF4A4A)));
        p.fill(roundedRect(x - 1.4f, 6, 2.8f, 7, 1.4f), {x - 3, 5, 6, 10}, solid(style::white));
        p.fill(circle(x, 15.8f, 1.5f), {x - 3, 13, 6, 6}, solid(style::white));
    }
    return out;
}

// The hint button: a light bulb on a round sky button, five cells.
Picture hintButton()
{
    std::vector<Picture> cells;
    for (int s = 0; s < kButtonStates; ++s) {
        const auto state = ButtonState(s);
        Picture cell
            = buttonCell(hud::hintW, hud::hintH, {style::sky, style::skyDark}, state, nullptr, "", 16);
        Painter p(cell);
        const float cx = hud::hintW / 2.0f - 3, cy = 17 + (state == ButtonState::Pressed ? 2.0f : 0.0f);
        const Color glass = state == ButtonState::Disabled ? Color::hex(0xEDEAE4) : Color::hex(0xFFF2A8);
        const Box box{cx - 12, cy - 12, 24, 26};
        p.fill(grow(circle(cx, cy, 7.5f), 1.6f), box, solid(style::woodDark));
        p.fill(circle(cx, cy, 7.5f), box, radial(cx - 2, cy - 3, 9, style::white, glass));
        p.fill(roundedRect(cx - 4, cy + 6, 8, 6, 1.5f), box, solid(Color::hex(0x9AA5B1)));
        p.fill(rect(cx - 4, cy + 8, 8, 1), box, solid(Color::hex(0x5C6773)));
        if (state != ButtonState::Disabled)
            for (int i = 0; i < 5; ++i) {
                const float a = -2.6f + float(i) * 0.55f;
                p.fill(roundedRect(cx + std::cos(a) * 11 - 1, cy + std::sin(a) * 11 - 1, 2.4f, 2.4f, 1.2f),
                    box, solid(style::white));
            }
        // The badge behind the number of hints.
        const float bx = hud::hintW - 13.0f, by = hud::hintH - 16.0f;
        p.fill(circle(bx, by, 9.5f), {bx - 11, by - 11, 22, 22}, solid(style::berryDark));
        p.fill(circle(bx, by, 8), {bx - 11, by - 11, 22, 22},
            solid(state == ButtonState::Disabled ? style::disabled : style::berry));
        cells.push_back(cell);
    }
    return sideBySide(cells);
}

// The hint token hidden among the goods: a small golden coin with a light bulb.
Picture hintToken(int size)
{
    Picture out(size, size);
    Painter p(out);
    const float c = size / 2.0f, r = size / 2.0f - 2.5f;
    const Box box{0, 0, float(size), float(size)};
    p.shadow(circle(c, c, r), box, 1.5f, 1.5f, shadowTone);
    p.fill(circle(c, c, r), box, solid(style::goldDark));
    p.fill(circle(c, c, r - 1.5f), box,
        radial(c - r * 0.35f, c - r * 0.4f, r * 1.5f, Color::hex(0xFFF6C8), style::gold));
    p.fill(circle(c, c - r * 0.15f, r * 0.38f), box, solid(style::white));
    p.fill(roundedRect(c - r * 0.2f, c + r * 0.2f, r * 0.4f, r * 0.32f, 1), box, solid(Color::hex(0x8C6A12)));
    p.stroke(circle(c, c, r - 3), box, 0.8f, solid(Color::hex(0xFFFFFF, 0.6f)));
    return out;
}

Picture moreHints()
{
    Picture out(28, 36);
    Painter p(out);
    p.picture(hintToken(24), 2, 1);
    const Font font(style::boldFont, 11);
    p.text(font, "+?", 14, 34, 1, whiteText(1.6f, style::berryDark));
    return out;
}

Picture menuButton()
{
    const Font font(style::boldFont, 17);
    return buttonSheet(hud::menuW, hud::menuH, {style::orange, style::orangeDark}, &font, "Menu", 12);
}

Picture blitzCover()
{
    Picture out = plaque(hud::trayW, hud::trayH);
    Painter p(out);
    const Font font(style::titleFont, 19);
    p.text(font, "Items served:", 14, 23, 0, whiteText(2, style::woodDark));
    // The slash between the served count (right-aligned before it) and the goal.
    p.text(Font(style::boldFont, 20), "/", 236, 25, 1, whiteText(2, style::woodDark));
    return out;
}

Picture pauseScreen()
{
    Picture out(800, 600);
    Painter p(out);
    p.fill(rect(-2, -2, 804, 604), {0, 0, 800, 600}, solid(Color::hex(0x1E140C, 0.62f)));
    const Picture board = panel(380, 200);
    p.picture(board, 210, 190);
    const Font title(style::titleFont, 44);
    TextLook look;
    look.fill = vertical(220, Color::hex(0xFFF3C4), 270, style::gold);
    look.outline = 3;
    look.outlineColor = style::woodDark;
    look.shadow = 2;
    p.text(title, "Paused", 400, 262, 1, look);
    const Font body(style::boldFont, 18);
    TextLook ink;
    ink.fill = solid(style::ink);
    p.text(body, "Click anywhere to continue", 400, 318, 1, ink);
    // Two pause bars as a badge over the panel's top edge.
    p.fill(circle(400, 190, 24), {370, 160, 60, 60}, solid(style::skyDark));
    p.fill(
        circle(400, 190, 21), {370, 160, 60, 60}, radial(393, 182, 30, style::sky.lighter(0.4f), style::sky));
    for (float x : {391.0f, 404.0f})
        p.fill(roundedRect(x - 3, 180, 8, 21, 2), {x - 5, 178, 12, 26}, solid(style::white));
    return out;
}

Picture noGoCursor()
{
    Picture out(32, 32);
    Painter p(out);
    const Box box{0, 0, 32, 32};
    p.fill(circle(16, 16, 14), box, solid(Color::hex(0x8E1F1F)));
    p.fill(circle(16, 16, 12.5f), box, solid(Color::hex(0xE84040)));
    p.fill(circle(16, 16, 8.5f), box, solid(Color::hex(0xFFFFFF, 0.9f)));
    p.fill(intersect(circle(16, 16, 9), polygon({{7, 10}, {10, 7}, {25, 22}, {22, 25}})), box,
        solid(Color::hex(0xE84040)));
    return out;
}

Picture starGlow()
{
    const int s = 72;
    Picture out(s, s);
    Painter p(out);
    const float c = s / 2.0f;
    p.fill(circle(c, c, c), {0, 0, float(s), float(s)},
        radial(c, c, c, Color::hex(0xFFF2A0, 0.85f), Color::hex(0xFFD040, 0)));
    p.fill(star(c, c, c - 2, 3, 4, 0), {0, 0, float(s), float(s)}, solid(Color::hex(0xFFFFFF, 0.7f)));
    p.fill(star(c, c, c * 0.6f, 2, 4, 45), {0, 0, float(s), float(s)}, solid(Color::hex(0xFFFFFF, 0.55f)));
    return out;
}

// The speech bubble of the first day's tutorial, pointing down-left at the token below it.
Picture tutorialBubble()
{
    const int w = 250, h = 104;
    Picture out(w, h);
    Painter p(out);
    const Shape body = unite(roundedRect(4, 4, w - 8.0f, h - 30.0f, 18),
        polygon({{40, h - 30.0f}, {78, h - 30.0f}, {30, h - 4.0f}}));
    p.shadow(body, {0, 0, float(w), float(h)}, 3, 3, shadowTone);
    p.fill(body, {0, 0, float(w), float(h)}, solid(style::berryDark));
    p.fill(grow(body, -2.5f), {0, 0, float(w), float(h)}, vertical(4, style::white, float(h), style::cream));
    const Font bold(style::boldFont, 15);
    TextLook ink;
    ink.fill = solid(style::ink);
    p.text(bold, "A hint token! Click it", w / 2.0f + 10, 32, 1, ink);
    p.text(bold, "to add a hint to your stock.", w / 2.0f + 10, 54, 1, ink);
    p.picture(hintToken(22), 14, 18);
    return out;
}

// One bright four-pointed sparkle, 40 pixels.
Picture sparkleCell()
{
    Picture out(40, 40);
    Painter p(out);
    p.fill(star(20, 20, 18, 3, 4, 0), {0, 0, 40, 40}, radial(20, 20, 18, style::white, style::gold));
    p.fill(star(20, 20, 10, 2, 4, 45), {0, 0, 40, 40}, solid(Color::hex(0xFFFFFF, 0.85f)));
    return out;
}

// --- Ambient animations

// A butterfly with orange wings, `open` from 0 (edge on) to 1 (spread).
void butterfly(Painter& p, float cx, float cy, float size, float open)
{
    const Box box{cx - size, cy - size, 2 * size, 2 * size};
    const float spread = 0.25f + 0.75f * open;
    for (float side : {-1.0f, 1.0f}) {
        const Shape upper = ellipse(
            cx + side * size * 0.42f * spread, cy - size * 0.22f, size * 0.42f * spread + 0.8f, size * 0.36f);
        const Shape lower = ellipse(
            cx + side * size * 0.3f * spread, cy + size * 0.22f, size * 0.3f * spread + 0.8f, size * 0.26f);
        p.fill(grow(unite(upper, lower), 1.3f), box, solid(Color::hex(0x3A2A20)));
        p.fill(unite(upper, lower), box, radial(cx, cy, size, Color::hex(0xFFE07A), Color::hex(0xFF8C1A)));
        p.fill(circle(cx + side * size * 0.62f * spread, cy - size * 0.3f, size * 0.07f + 0.5f), box,
            solid(style::white));
    }
    p.fill(ellipse(cx, cy, size * 0.07f + 0.6f, size * 0.4f), box, solid(Color::hex(0x3A2A20)));
    for (float side : {-1.0f, 1.0f})
        p.stroke(polygon({{cx, cy - size * 0.35f}, {cx + side * size * 0.25f, cy - size * 0.75f},
                     {cx + side * size * 0.25f + 0.1f, cy - size * 0.75f}}),
            box, 0.9f, solid(Color::hex(0x3A2A20)));
}

Picture butterflySheet()
{
    using namespace ambient;
    const float path[butterflyFrames][3] = {{80, 34, 1}, {70, 26, 0.3f}, {56, 16, 1}, {40, 20, 0.3f},
        {24, 28, 1}, {34, 16, 0.3f}, {52, 22, 1}, {68, 32, 0.4f}};
    Picture out(butterflyW * butterflyFrames, butterflyH);
    Painter p(out);
    for (int f = 0; f < butterflyFrames; ++f)
        butterfly(p, float(f * butterflyW) + path[f][0], path[f][1], 12, path[f][2]);
    return out;
}

// A seagull: white body, grey wings raised by `lift` (-1 down to 1 up), or standing.
void gull(Painter& p, float cx, float cy, float size, float lift, bool standing)
{
    const Box box{cx - size * 1.6f, cy - size * 1.4f, size * 3.2f, size * 2.8f};
    const Color grey = Color::hex(0xA9B4BF), dark = Color::hex(0x3A4450);
    if (standing) {
        for (float dx : {-2.0f, 2.0f})
            p.fill(
                rect(cx + dx - 0.7f, cy + size * 0.3f, 1.4f, size * 0.5f), box, solid(Color::hex(0xF2A33A)));
        p.fill(ellipse(cx, cy, size * 0.7f, size * 0.38f), box, solid(Color::hex(0xFFFFFF)));
        p.fill(ellipse(cx + size * 0.1f, cy - size * 0.05f, size * 0.5f, size * 0.22f), box, solid(grey));
        p.fill(circle(cx - size * 0.55f, cy - size * 0.35f, size * 0.26f), box, solid(Color::hex(0xFFFFFF)));
        p.fill(polygon({{cx - size * 0.78f, cy - size * 0.38f}, {cx - size * 1.05f, cy - size * 0.3f},
                   {cx - size * 0.78f, cy - size * 0.28f}}),
            box, solid(Color::hex(0xF2C12E)));
        p.fill(circle(cx - size * 0.6f, cy - size * 0.42f, 1), box, solid(dark));
        p.stroke(ellipse(cx, cy, size * 0.7f, size * 0.38f), box, 0.8f, solid(Color::hex(0x8593A3)));
        return;
    }
    const float tipY = cy - size * 0.9f * lift;
    for (float side : {-1.0f, 1.0f}) {
        const Shape wing = polygon({{cx - size * 0.2f, cy}, {cx + size * 0.2f, cy},
            {cx + side * size * 0.9f, cy - size * 0.35f * lift - size * 0.1f},
            {cx + side * size * 1.5f, tipY}, {cx + side * size * 0.8f, cy - size * 0.1f}});
        p.fill(grow(wing, 0.8f), box, solid(Color::hex(0x8593A3)));
        p.fill(wing, box, solid(grey));
        p.fill(circle(cx + side * size * 1.45f, tipY, size * 0.16f), box, solid(dark));
    }
    p.fill(ellipse(cx, cy, size * 0.6f, size * 0.22f), box, solid(Color::hex(0xFFFFFF)));
    p.fill(circle(cx - size * 0.62f, cy - size * 0.06f, size * 0.2f), box, solid(Color::hex(0xFFFFFF)));
    p.fill(polygon({{cx - size * 0.78f, cy - size * 0.08f}, {cx - size * 1.02f, cy},
               {cx - size * 0.78f, cy + size * 0.04f}}),
        box, solid(Color::hex(0xF2C12E)));
}

Picture gullSheet()
{
    using namespace ambient;
    Picture out(gullW * gullFrames, gullH);
    Painter p(out);
    gull(p, 96, 36, 12, 0, true);
    for (int f = 1; f < gullFrames; ++f) {
        const float x = float(f * gullW) + 108 - float(f - 1) * 15, y = 26 + (f % 2 ? -3.0f : 3.0f);
        gull(p, x, y, 13, f % 2 ? 0.9f : -0.4f, false);
    }
    return out;
}

// A cuckoo clock: door `door` (0 shut to 1 open), the bird out by `out` (0 to 1), its beak
// open when `calling`; the pendulum swings with `swing` (-1 to 1).
void cuckooClock(Painter& p, float x0, float door, float out, bool calling, float swing)
{
    using namespace ambient;
    const float cx = x0 + cuckooW / 2.0f;
    const Box box{x0, 0, float(cuckooW), float(cuckooH)};
    // Chains and pine-cone weights, the pendulum behind the case.
    for (float dx : {-9.0f, 9.0f}) {
        p.fill(rect(cx + dx - 0.6f, 64, 1.2f, 18), box, solid(Color::hex(0x3A2A20)));
        p.fill(ellipse(cx + dx, 86, 3.5f, 7), box, solid(Color::hex(0xC98A00)));
    }
    const float px = cx + swing * 8;
    p.fill(polygon({{cx - 0.8f, 60}, {cx + 0.8f, 60}, {px + 0.8f, 84}, {px - 0.8f, 84}}), box,
        solid(Color::hex(0xC98A00)));
    p.fill(circle(px, 86, 5), box, solid(Color::hex(0xE6BE5A)));
    // The case and its roof.
    p.shadow(rect(x0 + 8, 18, cuckooW - 16.0f, 46), box, 3, 3, shadowTone);
    p.panel({x0 + 8, 18, cuckooW - 16.0f, 46}, 3,
        vertical(18, Color::hex(0xA8693A), 64, Color::hex(0x7A4A28)), Color::hex(0x3F2414), 2);
    p.fill(polygon({{cx, 2}, {x0 + cuckooW - 1.0f, 22}, {x0 + 1, 22}}), box, solid(Color::hex(0x3F2414)));
    p.fill(polygon({{cx, 6}, {x0 + cuckooW - 7.0f, 20}, {x0 + 7, 20}}), box, solid(Color::hex(0x5A3A1E)));
    wallClock(p, cx, 46, 11, materials::pine);
    // The little door above the dial, with the bird behind it.
    const Box hole{cx - 7, 22, 14, 12};
    p.fill(rect(hole.x, hole.y, hole.w, hole.h), hole, solid(Color::hex(0x2B1A10)));
    if (out > 0) {
        const float bx = cx - 2 - out * 10, by = 27;
        p.fill(ellipse(bx + 3, by + 1, 7, 4.5f), box, solid(Color::hex(0xC9853E)));
        p.fill(circle(bx - 3, by - 2, 4), box, solid(Color::hex(0xE09A5B)));
        p.fill(circle(bx - 4, by - 3, 0.9f), box, solid(Color::hex(0x1E1A22)));
        const float gape = calling ? 2.2f : 0.4f;
        p.fill(polygon({{bx - 6, by - 2}, {bx - 11, by - 2 - gape}, {bx - 6, by - 1}}), box,
            solid(Color::hex(0xF2C12E)));
        p.fill(polygon({{bx - 6, by - 1}, {bx - 11, by + gape - 1}, {bx - 6, by}}), box,
            solid(Color::hex(0xF2C12E)));
    }
    const float doorW = 14 * (1 - door);
    if (doorW > 0.5f)
        p.panel({hole.x, hole.y, doorW, hole.h}, 1, solid(Color::hex(0x9C6B3E)), Color::hex(0x3F2414), 1);
}

Picture cuckooSheet()
{
    using namespace ambient;
    const float door[] = {0, 0.5f, 1, 1, 1, 1, 1, 0.5f};
    const float out[] = {0, 0, 0.4f, 1, 1, 1, 0.4f, 0};
    const float swing[] = {0, 0.7f, 1, 0.7f, 0, -0.7f, -1, -0.7f};
    Picture sheet(cuckooW * cuckooFrames, cuckooH);
    Painter p(sheet);
    for (int f = 0; f < cuckooFrames; ++f)
        cuckooClock(p, float(f * cuckooW), door[f], out[f], f == 4, swing[f]);
    return sheet;
}

Picture cloudSheet(int w, int h, uint64_t seed)
{
    using namespace ambient;
    Picture out(w * cloudFrames, h);
    Painter p(out);
    for (int f = 0; f < cloudFrames; ++f) {
        const float x0 = float(f * w);
        Shape cloud = roundedRect(x0 + h * 0.4f, h * 0.5f, w - h * 0.8f, h * 0.42f, h * 0.21f);
        const int puffs = 5;
        for (int i = 0; i < puffs; ++i) {
            const float t = (float(i) + 0.5f) / puffs;
            const float wobble = std::sin(float(f) * 1.5708f + float(i) * 1.9f + float(seed)) * h * 0.05f;
            const float r = h * (0.26f + 0.16f * std::sin(3.1416f * t)) + wobble;
            cloud = unite(cloud, circle(x0 + h * 0.4f + t * (w - h * 0.8f), h * 0.55f - r * 0.55f, r));
        }
        const Box box{x0, 0, float(w), float(h)};
        p.fill(cloud, box, vertical(0, Color::hex(0xFFFFFF, 0.95f), float(h), Color::hex(0xE6F2FA, 0.9f)));
    }
    return out;
}

// --- Dialog pictures

Picture titleRibbon(const std::string& text, int w, Color face, Color dark)
{
    Picture out = ribbon(w, 74, face, dark);
    Painter p(out);
    const Font font(style::titleFont, 34);
    TextLook look;
    look.fill = vertical(10, Color::hex(0xFFFFFF), 60, Color::hex(0xFFF0C8));
    look.outline = 3;
    look.outlineColor = dark;
    look.shadow = 1.5f;
    p.text(font, text, w / 2.0f, 47, 1, look);
    return out;
}

Picture badge(const std::string& text, Color face, Color dark)
{
    const Font font(style::titleFont, 24);
    const int w = font.textWidth(text) + 44, h = 46;
    Picture out(w, h);
    Painter p(out);
    const Shape body = roundedRect(3, 3, float(w) - 6, float(h) - 9, (float(h) - 9) / 2);
    p.shadow(body, {0, 0, float(w), float(h)}, 2, 3, shadowTone);
    p.fill(body, {0, 0, float(w), float(h)}, solid(dark));
    p.fill(grow(body, -2.5f), {0, 0, float(w), float(h)}, vertical(3, face.lighter(0.3f), float(h), face));
    TextLook look = whiteText(2.5f, dark);
    p.text(font, text, w / 2.0f, 30, 1, look);
    return out;
}

// The how-to-play illustration: a customer thinking of two apples, the apples on a shelf.
Picture howToPlayPicture(const EmojiFont& emoji)
{
    const int w = 420, h = 120;
    Picture out(w, h);
    Painter p(out);
    const Picture bubbleArt = sticker(emoji.emoji(0x1F9D1), 64, 58);
    p.picture(bubbleArt, 8, 52);
    const Shape bubble = unite(roundedRect(56, 6, 120, 50, 22), unite(circle(66, 64, 6), circle(56, 76, 4)));
    p.shadow(bubble, {40, 0, 150, 90}, 2, 2, shadowTone);
    p.fill(bubble, {40, 0, 150, 90}, solid(style::inkSoft));
    p.fill(grow(bubble, -2), {40, 0, 150, 90}, solid(style::white));
    const Font font(style::boldFont, 15);
    TextLook ink;
    ink.fill = solid(style::ink);
    p.text(font, "2 apples", 116, 37, 1, ink);
    // An arrow to the shelf, where two apples wait among other goods.
    p.fill(polygon({{190, 60}, {236, 60}, {236, 52}, {254, 66}, {236, 80}, {236, 72}, {190, 72}}),
        {186, 48, 72, 36}, solid(style::orange));
    p.fill(roundedRect(262, 96, 150, 10, 3), {262, 96, 150, 12}, solid(style::wood));
    const uint32_t goods[] = {0x1F34E, 0x1F350, 0x1F34E};
    for (int i = 0; i < 3; ++i)
        p.picture(sticker(emoji.emoji(goods[i]), 48, 40), 266 + i * 48, 50);
    p.picture(sparkleCell(), 262, 36); // the first apple is the one to click
    return out;
}

Picture hintsPicture()
{
    const int w = 300, h = 70;
    Picture out(w, h);
    Painter p(out);
    p.picture(hintToken(44), 30, 12);
    p.fill(polygon({{90, 30}, {150, 30}, {150, 22}, {168, 36}, {150, 50}, {150, 42}, {90, 42}}),
        {86, 18, 90, 36}, solid(style::orange));
    p.picture(cropped(hintButton(), 0, 0, hud::hintW, hud::hintH), 186, 12);
    const Font font(style::boldFont, 18);
    p.text(font, "+1", 262, 44, 1, whiteText(2.5f, style::berryDark));
    return out;
}

// A "Closed" sign hanging on its string, for the failed day.
Picture closedSign()
{
    const int w = 170, h = 96;
    Picture out(w, h);
    Painter p(out);
    const Box all{0, 0, float(w), float(h)};
    p.stroke(polygon({{20, 40}, {w / 2.0f, 6}, {w - 20.0f, 40}}), all, 1.6f, solid(Color::hex(0x5A4030)));
    p.fill(circle(w / 2.0f, 6, 4), all, solid(Color::hex(0x8F877C)));
    const Box board{8, 34, w - 16.0f, 54};
    p.shadow(roundedRect(board.x, board.y, board.w, board.h, 8), board, 3, 3, shadowTone);
    p.panel(board, 8, vertical(board.y, Color::hex(0xFF7B7B), board.bottom(), Color::hex(0xD9363E)),
        Color::hex(0x8E1F1F), 2.5f);
    const Font font(style::titleFont, 30);
    p.text(font, "Closed", w / 2.0f, 71, 1, whiteText(2, Color::hex(0x8E1F1F)));
    return out;
}

} // namespace

std::vector<NamedPicture> ambientPictures()
{
    using namespace ambient;
    return {{"ambient_butterfly", butterflySheet()}, {"ambient_gull", gullSheet()},
        {"ambient_cuckoo", cuckooSheet()}, {"ambient_cloudfar", cloudSheet(cloudFarW, cloudFarH, 1)},
        {"ambient_cloudclose", cloudSheet(cloudCloseW, cloudCloseH, 2)}};
}

std::vector<NamedPicture> dialogPictures(const EmojiFont& emoji)
{
    const Font label(style::boldFont, 22);
    const ButtonLook orange{style::orange, style::orangeDark}, sky{style::sky, style::skyDark},
        leaf{style::leaf, style::leafDark};
    return {{"dlg_title_howto", titleRibbon("How to play", 360, style::berry, style::berryDark)},
        {"dlg_title_hints", titleRibbon("Hidden hints", 360, style::sky, style::skyDark)},
        {"dlg_title_goodjob", titleRibbon("Well done!", 360, style::leaf, style::leafDark)},
        {"dlg_title_perfect", titleRibbon("Perfect day!", 360, style::gold, style::goldDark)},
        {"dlg_title_newrecord", titleRibbon("New record!", 360, style::berry, style::berryDark)},
        {"dlg_title_closing", titleRibbon("Closing time!", 360, style::sky, style::skyDark)},
        {"dlg_title_notsaved", titleRibbon("Not saved!", 360, style::berry, style::berryDark)},
        {"dlg_badge_blitz", badge("Blitz mode!", style::orange, style::orangeDark)},
        {"dlg_howto_picture", howToPlayPicture(emoji)}, {"dlg_hints_picture", hintsPicture()},
        {"dlg_closed_picture", closedSign()}, {"dlg_notsaved_picture", sticker(emoji.emoji(0x1F4BE), 72, 64)},
        {"dlgbtn_play", buttonSheet(190, 60, leaf, &label, "Let's go!", style::buttonRadius)},
        {"dlgbtn_gotit", buttonSheet(170, 58, orange, &label, "Got it!", style::buttonRadius)},
        {"dlgbtn_continue", buttonSheet(190, 60, orange, &label, "Continue", style::buttonRadius)},
        {"dlgbtn_besttimes", buttonSheet(190, 60, sky, &label, "Best times", style::buttonRadius)},
        {"dlgbtn_retry", buttonSheet(190, 60, leaf, &label, "Try again", style::buttonRadius)},
        {"dlgbtn_calendar", buttonSheet(190, 60, sky, &label, "Calendar", style::buttonRadius)}};
}

std::vector<NamedPicture> hudPictures()
{
    std::vector<NamedPicture> out;
    out.push_back({"hud_tray", starTray()});
    out.push_back({"hud_star", smallStar(Color::hex(0xFFE680), Color::hex(0xB8860B))});
    out.push_back({"hud_star_bronze", smallStar(style::bronze, style::bronzeDark)});
    out.push_back({"hud_star_silver", smallStar(style::silver, style::silverDark)});
    out.push_back({"hud_star_gold", smallStar(style::gold, style::goldDark)});
    out.push_back({"hud_clock", clockPlaque()});
    out.push_back({"hud_lowtime", lowTimeGlow()});
    out.push_back({"hud_hint", hintButton()});
    out.push_back({"hud_morehints", moreHints()});
    out.push_back({"hud_menu", menuButton()});
    out.push_back({"hud_blitz", blitzCover()});
    out.push_back({"hint_token", hintToken(28)});
    out.push_back({"hint_bubble", tutorialBubble()});
    out.push_back({"pause_screen", pauseScreen()});
    out.push_back({"nogo_cursor", noGoCursor()});
    out.push_back({"star_glow", starGlow()});
    return out;
}

} // namespace contentgen
