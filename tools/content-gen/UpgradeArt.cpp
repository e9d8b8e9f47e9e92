// The upgrade screen: Kip's own shop seen from the street with its front open like a doll's
// house, so that all six slots show at once (wallpaper, floor, sign, counter, window display,
// lights), the panel of slot and option buttons, the instructions, the final celebration and
// the confetti pieces.
#include "CampaignArt.h"

#include "Style.h"

#include <array>
#include <cmath>

namespace contentgen {

namespace {

// Where the pieces sit on the screen; content/tables/UpgradeMyShop.txt places the sprites at
// these points.
const Box wallArea{56, 150, 484, 410}; // slot 1: the back wall
const Box windowHole{92, 196, 236, 330}; // the back window, cut out of the wall
const Box displayArea{84, 186, 244, 340}; // slot 5: the window display
const Box floorArea{56, 410, 484, 520}; // slot 2: the floor
const Box signArea{64, 76, 476, 142}; // slot 3: the sign over the opening
const Box counterArea{276, 300, 472, 490}; // slot 4: the counter
const Box lightsArea{56, 150, 484, 262}; // slot 6: the lights under the ceiling
const Box panelArea{536, 10, 792, 590}; // the buttons' panel

constexpr int slotWidth = 70, slotHeight = 80;
constexpr int optionWidth = 214, optionHeight = 72;
constexpr int noteWidth = 214, noteHeight = 74;
constexpr int finalWidth = 300, finalHeight = 326;

const char* const optionNames[6][3] = {
    {"Sunny yellow stripes", "Mint polka dots", "Lavender flowers"},
    {"Oak planks", "Black-and-white tiles", "Rose carpet"},
    {"Painted wooden board", "Neon sign", "Gold lettering"},
    {"Wooden counter", "Marble counter", "Candy-striped counter"},
    {"Flower boxes", "Balloons", "Teddy bears"},
    {"Paper lanterns", "Crystal chandelier", "Fairy lights"},
};
const char* const slotNames[6] = {"Wallpaper", "Floor", "Sign", "Counter", "Window", "Lights"};
const uint32_t slotEmoji[6] = {0x1F58C, 0x1FAB5, 0x1FAA7, 0x1F6CE, 0x1FA9F, 0x1F4A1};
const char* const signText = "Kip's Gift Shop";

Picture canvasFor(const Box& area)
{
    return Picture(int(area.right - area.left), int(area.bottom - area.top));
}

Box whole(const Picture& p)
{
    return {0, 0, float(p.width()), float(p.height())};
}

// A paint that repeats a pattern over a base colour.
Paint patterned(Color base, Color spot, const std::function<float(float, float)>& coverage)
{
    return [=](float x, float y) { return base.mix(spot, std::clamp(coverage(x, y), 0.0f, 1.0f)); };
}

float fract(float v)
{
    return v - std::floor(v);
}

// ---- Slot 1: the back wall ----------------------------------------------------------------

Picture wallpaper(int value)
{
    Picture out = canvasFor(wallArea);
    const Box all = whole(out);
    const float w = all.right, h = all.bottom;
    const Shape wall = roundedRect(-2, -2, w + 4, h + 4, 0);
    switch (value) {
    case 0: // bare plaster with patches and cracks
        paintIn(out, all, wall, patterned(Color::hex(0xD8CDBD), Color::hex(0xC4B6A2), [](float x, float y) {
            return 0.5f
                + 0.5f * std::sin(x * 0.031f + std::sin(y * 0.05f) * 2) * std::sin(y * 0.043f + x * 0.011f);
        }));
        for (const auto& b : {Box{300, 40, 372, 88}, Box{24, 196, 80, 232}})
            for (int row = 0; row < 3; ++row)
                for (int col = 0; col < 3; ++col) {
                    const float bx = b.left + col * 24 + (row % 2) * 12, by = b.top + row * 14;
                    paintIn(out, all,
                        intersect(roundedRect(bx, by, 22, 12, 2),
                            roundedRect(b.left, b.top, b.right - b.left, b.bottom - b.top, 6)),
                        solid(Color::hex(0xC0705A)));
                }
        strokeIn(out, all, polyline({{250, 0}, {262, 30}, {255, 52}, {270, 80}}, 0.2f), 1.5f,
            solid(Color::hex(0x8F8170)));
        paintIn(out, all, ellipse(390, 200, 26, 34), solid(Color::hex(0xA89A84, 0.35f))); // a damp patch
        break;
    case 1: // sunny yellow stripes
        paintIn(out, all, wall, patterned(Color::hex(0xFFF1B8), Color::hex(0xFFD95A), [](float x, float) {
            return std::clamp((std::fabs(fract(x / 36.0f) - 0.5f) * 36 - 7) * 0.8f, 0.0f, 1.0f);
        }));
        break;
    case 2: // mint polka dots
        paintIn(out, all, wall, patterned(Color::hex(0xC8F2E0), Color::hex(0x6FD2AC), [](float x, float y) {
            const float row = std::floor(y / 26.0f);
            const float dx = fract((x + fract(row / 2) * 26) / 26.0f) - 0.5f, dy = fract(y / 26.0f) - 0.5f;
            return 0.5f - (std::hypot(dx, dy) * 26 - 6.5f);
        }));
        break;
    default: // lavender flowers
        paintIn(out, all, wall, solid(Color::hex(0xE6DAF8)));
        for (float y = 14; y < h; y += 40)
            for (float x = (int(y / 40) % 2) * 30 + 16; x < w; x += 60) {
                Shape petals = circle(x, y, 0.1f);
                for (int k = 0; k < 5; ++k) {
                    const float a = k * 1.2566f;
                    petals = unite(petals, circle(x + std::cos(a) * 6, y + std::sin(a) * 6, 5));
                }
                paintIn(out, all, petals, solid(Color::hex(0xB394E6)));
                paintIn(out, all, circle(x, y, 3), solid(style::gold));
                paintIn(out, all, rotated(ellipse(x + 12, y + 10, 6, 2.5f), x + 12, y + 10, 35),
                    solid(Color::hex(0x8FCF8A)));
            }
        break;
    }
    // The back window's frame and opening
    const Box hole{windowHole.left - wallArea.left, windowHole.top - wallArea.top,
        windowHole.right - wallArea.left, windowHole.bottom - wallArea.top};
    const Shape frame = roundedRect(
        hole.left - 9, hole.top - 9, hole.right - hole.left + 18, hole.bottom - hole.top + 18, 6);
    shadowIn(out, all, frame, 3, 3, style::shadow);
    paintIn(out, all, frame, vertical(hole.top, style::white, hole.bottom, Color::hex(0xE9E4DA)));
    strokeIn(out, all, frame, 1.5f, solid(Color::hex(0x9C8F7C)));
    // Skirting board, and the shade of the ceiling and the corners for depth
    paintIn(
        out, all, roundedRect(-2, h - 12, w + 4, 14, 0), vertical(h - 12, style::woodLight, h, style::wood));
    paintIn(out, all, wall, [=](float x, float y) {
        const float shade = std::max(std::clamp(1 - y / 60.0f, 0.0f, 1.0f) * 0.25f,
            std::clamp(1 - std::min(x, w - x) / 40.0f, 0.0f, 1.0f) * 0.22f);
        return Color::hex(0x2B1A10, shade);
    });
    // The glass is cut out: the garden behind shows through.
    for (int y = int(hole.top); y < int(hole.bottom); ++y)
        for (int x = int(hole.left); x < int(hole.right); ++x)
            out.ref(x, y) = {};
    // Window bars over the opening
    paintIn(out, all, roundedRect((hole.left + hole.right) / 2 - 3, hole.top, 6, hole.bottom - hole.top, 1),
        solid(style::white));
    paintIn(out, all, roundedRect(hole.left, (hole.top + hole.bottom) / 2 - 3, hole.right - hole.left, 6, 1),
        solid(style::white));
    return out;
}

// ---- Slot 5: the window display ---------------------------------------------------------

Picture windowDisplay(const EmojiFont& emoji, int value)
{
    Picture out = canvasFor(displayArea);
    const Box all = whole(out);
    const float sill = windowHole.bottom - displayArea.top; // the sill's top
    const float left = windowHole.left - displayArea.left, right = windowHole.right - displayArea.left;
    const float top = windowHole.top - displayArea.top;
    switch (value) {
    case 0: // nothing yet but a cobweb
        for (int i = 0; i < 4; ++i)
            strokeIn(out, all, capsule(right, top + 2, right - 26 + i * 7, top + 30 - i * 8, 0.1f), 0.9f,
                solid(Color::hex(0xFFFFFF, 0.8f)));
        for (int r = 1; r <= 3; ++r)
            strokeIn(out, all,
                intersect(circle(right, top, r * 9.0f), roundedRect(left, top, right - left, 40, 0)), 0.9f,
                solid(Color::hex(0xFFFFFF, 0.7f)));
        break;
    case 1: { // a flower box on the sill
        const Shape box = roundedRect(left - 4, sill - 6, right - left + 8, 24, 4);
        const float x0 = left + 4;
        const uint32_t flowers[] = {0x1F337, 0x1F33C, 0x1F338, 0x1F33B, 0x1F337};
        for (int i = 0; i < 5; ++i)
            out.draw(emojiSticker(emoji, flowers[i], 34, 30), int(x0 + i * 27), int(sill - 36 - (i % 2) * 6));
        shadowIn(out, all, box, 3, 3, style::shadow);
        paintIn(out, all, grow(box, 1.5f), solid(Color::hex(0x7A3E22)));
        paintIn(out, all, box, vertical(sill - 6, Color::hex(0xD9774A), sill + 18, Color::hex(0xB0552E)));
        break;
    }
    case 2: { // balloons tied to the sill
        const struct {
            float x, y, r;
            uint32_t colour;
        } balloons[] = {{left + 32, top + 34, 19, 0xE84A7F}, {left + 70, top + 24, 21, 0x48B4F0},
            {left + 108, top + 38, 18, 0xFFCB3D}, {left + 52, top + 62, 16, 0x5CC44E}};
        for (const auto& b : balloons)
            strokeIn(out, all,
                polyline(
                    {{b.x, b.y + b.r}, {b.x + 4, b.y + b.r + 20}, {b.x - 2, sill - 14}, {left + 72, sill}},
                    0.1f),
                1.1f, solid(Color::hex(0x6E5A48)));
        for (const auto& b : balloons) {
            const Color c = Color::hex(b.colour);
            const Shape balloon = unite(ellipse(b.x, b.y, b.r * 0.86f, b.r),
                polygon({{b.x - 4, b.y + b.r + 4}, {b.x + 4, b.y + b.r + 4}, {b.x, b.y + b.r - 2}}));
            shadowIn(out, all, balloon, 3, 3, style::shadow);
            paintIn(out, all, balloon,
                radial(b.x - b.r * 0.3f, b.y - b.r * 0.4f, b.r * 1.6f, c.lighter(0.45f), c.darker(0.1f)));
            paintIn(out, all,
                rotated(ellipse(b.x - b.r * 0.35f, b.y - b.r * 0.45f, b.r * 0.18f, b.r * 0.3f), b.x, b.y, 30),
                solid(Color::hex(0xFFFFFF, 0.7f)));
        }
        break;
    }
    default: { // teddy bears on the sill
        out.draw(emojiSticker(emoji, 0x1F9F8, 58, 52), int(left + 2), int(sill - 54));
        out.draw(emojiSticker(emoji, 0x1F9F8, 44, 38), int(left + 58), int(sill - 40));
        out.draw(emojiSticker(emoji, 0x1F9F8, 52, 46), int(left + 92), int(sill - 48));
        break;
    }
    }
    // The sill itself, in front of whatever stands on it
    paintIn(out, all, roundedRect(left - 10, sill, right - left + 20, 9, 3),
        vertical(sill, style::white, sill + 9, Color::hex(0xD9D2C4)));
    strokeIn(
        out, all, roundedRect(left - 10, sill, right - left + 20, 9, 3), 1.2f, solid(Color::hex(0x9C8F7C)));
    return out;
}

// ---- Slot 2: the floor ----------------------------------------------------------------------

Picture floorPicture(int value)
{
    Picture out = canvasFor(floorArea);
    const Box all = whole(out);
    const float w = all.right, h = all.bottom;
    // Perspective: the back edge at y 0, the front at y h; lines run toward a point above.
    const float vanishX = w / 2, vanishY = -260;
    auto depth = [&](float y) { return (y - vanishY) / (h - vanishY); }; // 1 at the front
    const Shape floor = roundedRect(-2, 0, w + 4, h + 2, 0);
    switch (value) {
    case 0: // bare concrete
        paintIn(out, all, floor, patterned(Color::hex(0xBDB5AA), Color::hex(0xA59C90), [](float x, float y) {
            return 0.45f + 0.55f * std::sin(x * 0.05f + y * 0.11f) * std::sin(x * 0.013f - y * 0.07f);
        }));
        paintIn(out, all, ellipse(300, 70, 40, 12), solid(Color::hex(0x8F867A, 0.35f)));
        break;
    case 1: // oak planks toward the back
        paintIn(out, all, floor, [&](float x, float y) {
            const float u = (x - vanishX) / depth(y) + vanishX; // x at the front edge
            const float plank = std::floor(u / 34.0f);
            const float shade = 0.08f * std::sin(plank * 2.1f);
            const float seam = std::clamp(
                1.4f - std::fabs(fract(u / 34.0f) - 0.5f) * 34 * depth(y) * 2 + 31 * depth(y), 0.0f, 1.0f);
            const float joint
                = std::fabs(fract((y / depth(y)) / 60.0f + plank * 0.37f) - 0.5f) < 0.02f ? 0.6f : 0.0f;
            const Color wood = Color::hex(0xDCA86E).mix(Color::hex(0xB9783F), 0.4f + shade);
            return wood.mix(Color::hex(0x7A4A26), std::max(seam, joint) * 0.8f);
        });
        break;
    case 2: // black-and-white tiles
        paintIn(out, all, floor, [&](float x, float y) {
            const float u = (x - vanishX) / depth(y) + vanishX;
            const float v = 1 / depth(y); // grows toward the back
            const bool dark = (int(std::floor(u / 48.0f)) + int(std::floor(v * 6.2f))) % 2;
            return dark ? Color::hex(0x2E3440) : Color::hex(0xF4F1EA);
        });
        break;
    default: // rose carpet with a border
        paintIn(out, all, floor, patterned(Color::hex(0xE47C98), Color::hex(0xD0607E), [&](float x, float y) {
            const float u = (x - vanishX) / depth(y) + vanishX;
            return std::fabs(fract(u / 22.0f + y / 22.0f) - 0.5f) < 0.12f ? 0.6f : 0.0f;
        }));
        strokeIn(out, all, roundedRect(10, 8, w - 20, h - 18, 6), 3, solid(Color::hex(0xFFD6E0)));
        break;
    }
    // The shade where the floor meets the wall, and the front edge of the cut
    paintIn(out, all, floor, vertical(0, Color::hex(0x2B1A10, 0.28f), 26, Color::hex(0x2B1A10, 0.0f)));
    paintIn(out, all, roundedRect(-2, h - 6, w + 4, 8, 0), solid(Color::hex(0x5C4332)));
    return out;
}

// ---- Slot 3: the sign -----------------------------------------------------------------------

Picture signPicture(int value)
{
    Picture out = canvasFor(signArea);
    const Box all = whole(out);
    const float w = all.right, h = all.bottom;
    const Shape board = roundedRect(3, 3, w - 6, h - 8, 8);
    shadowIn(out, all, board, 3, 3, style::shadow);
    switch (value) {
    case 0: { // a bare board with a paper note
        paintIn(out, all, board, solid(Color::hex(0x9A938A)));
        strokeIn(out, all, board, 2, solid(Color::hex(0x6B655E)));
        const Shape note = rotated(roundedRect(w / 2 - 90, 10, 180, 42, 2), w / 2, 31, -3);
        shadowIn(out, all, note, 2, 2, style::shadow);
        paintIn(out, all, note, solid(Color::hex(0xFFFDF5)));
        paintIn(out, all, rotated(roundedRect(w / 2 - 18, 4, 36, 12, 1), w / 2, 10, -3),
            solid(Color::hex(0xF2E6C0, 0.85f)));
        drawText(out, Font(style::titleFont, 24), "Coming soon!", w / 2, 40, TextAlign::Centre,
            inkLook(style::ink));
        break;
    }
    case 1: { // a painted wooden board
        paintIn(out, all, board, [](float x, float y) {
            const float grain = 0.5f + 0.5f * std::sin(y * 0.9f + std::sin(x * 0.05f) * 3);
            return Color::hex(0x8C5A32).mix(Color::hex(0x7A4A26), grain * 0.5f);
        });
        strokeIn(out, all, board, 3, solid(style::woodDark));
        TextLook look = inkLook(style::cream);
        look.shadow = 1.5f;
        drawText(out, Font(style::titleFont, 36), signText, w / 2, 44, TextAlign::Centre, look);
        break;
    }
    case 2: { // neon on a dark board
        paintIn(out, all, board, solid(Color::hex(0x1E2340)));
        const Font font(style::titleFont, 36);
        const int left = int(w / 2 - font.textWidth(signText) / 2.0f);
        const Mask text = font.textMask(signText, out.width(), out.height(), left, 44);
        out.fill(blurred(dilated(text, 2), 5), solid(Color::hex(0xFF4FA3, 0.9f)));
        out.fill(outlineMask(out.width(), out.height(), grow(board, -5), 2.5f), solid(Color::hex(0x4FE3FF)));
        out.fill(blurred(outlineMask(out.width(), out.height(), grow(board, -5), 2.5f), 3),
            solid(Color::hex(0x4FE3FF, 0.6f)));
        out.fill(text, solid(Color::hex(0xFFE3F2)));
        break;
    }
    default: { // gold letters on green
        paintIn(out, all, board, vertical(0, Color::hex(0x1F5C45), h, Color::hex(0x144232)));
        strokeIn(out, all, grow(board, -4), 2.5f, vertical(0, Color::hex(0xFFE9A0), h, style::goldDark));
        strokeIn(out, all, board, 2, solid(Color::hex(0x0C2A20)));
        TextLook look;
        look.fill = vertical(12, Color::hex(0xFFF3C4), 46, style::goldDark);
        look.outline = 1.2f;
        look.outlineColor = Color::hex(0x6B4A00);
        look.shadow = 1.5f;
        drawText(out, Font("/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf", 30), signText, w / 2, 44,
            TextAlign::Centre, look);
        break;
    }
    }
    return out;
}

// ---- Slot 4: the counter --------------------------------------------------------------------

Picture counterPicture(const EmojiFont& emoji, int value)
{
    Picture out = canvasFor(counterArea);
    const Box all = whole(out);
    const float w = all.right;
    const Shape front = roundedRect(8, 74, w - 16, 112, 4);
    const Shape top = roundedRect(0, 60, w, 18, 5);
    paintIn(out, all, roundedRect(4, 176, w - 8, 14, 6), solid(Color::hex(0x2B1A10, 0.25f)));
    Color topColour;
    switch (value) {
    case 0: { // cardboard boxes with a plank on top
        for (int i = 0; i < 2; ++i) {
            const Shape carton = roundedRect(10 + i * 90.0f, 78, 86, 106, 3);
            paintIn(out, all, carton, vertical(78, Color::hex(0xD2A66E), 184, Color::hex(0xB98A52)));
            strokeIn(out, all, carton, 1.5f, solid(Color::hex(0x7A5A32)));
            paintIn(out, all, roundedRect(10 + i * 90.0f + 36, 78, 14, 106, 0),
                solid(Color::hex(0xE8CFA0, 0.8f)));
            drawText(out, Font(style::boldFont, 11), "FRAGILE", 10 + i * 90.0f + 43, 150, TextAlign::Centre,
                inkLook(Color::hex(0xB0402E)));
        }
        topColour = Color::hex(0xC9B08A);
        break;
    }
    case 1: // wooden counter
        paintIn(out, all, front, [](float x, float) {
            const float board = std::fabs(fract(x / 30.0f) - 0.5f) < 0.04f ? 0.7f : 0.0f;
            return Color::hex(0xC98A4E).mix(style::woodDark, board);
        });
        strokeIn(out, all, front, 2, solid(style::woodDark));
        topColour = Color::hex(0x8C5A32);
        break;
    case 2: // marble with gold trim
        paintIn(out, all, front, [](float x, float y) {
            const float vein = std::fabs(std::sin(x * 0.06f + std::sin(y * 0.08f) * 2.5f + y * 0.02f));
            return Color::hex(0xF4F2EE).mix(Color::hex(0xA9A6B5), vein < 0.06f ? 0.7f : 0.0f);
        });
        strokeIn(out, all, front, 2, solid(style::goldDark));
        strokeIn(out, all, roundedRect(8, 172, w - 16, 0.1f, 0), 4, solid(style::gold));
        topColour = Color::hex(0xE4E1DA);
        break;
    default: // candy stripes
        paintIn(out, all, front, [](float x, float y) {
            return std::fabs(fract((x + y) / 28.0f) - 0.5f) < 0.25f ? Color::hex(0xF27AA6)
                                                                    : Color::hex(0xFFF4F8);
        });
        strokeIn(out, all, front, 2, solid(Color::hex(0xB03C6A)));
        topColour = Color::hex(0x8FE0C4);
        break;
    }
    shadowIn(out, all, top, 2, 2, style::shadow);
    paintIn(out, all, top, vertical(60, topColour.lighter(0.25f), 78, topColour.darker(0.1f)));
    strokeIn(out, all, top, 1.5f, solid(topColour.darker(0.45f)));
    // The till and a present on top, the same on every counter
    const Shape till = roundedRect(w - 78, 22, 60, 40, 6);
    shadowIn(out, all, till, 2, 2, style::shadow);
    paintIn(out, all, till, vertical(22, Color::hex(0x8FA3B8), 62, Color::hex(0x5E7186)));
    paintIn(out, all, roundedRect(w - 70, 28, 44, 12, 2), solid(Color::hex(0xBFF2C8)));
    for (int k = 0; k < 3; ++k)
        paintIn(out, all, roundedRect(w - 70 + k * 15.0f, 46, 12, 7, 2), solid(Color::hex(0xF4F1EA)));
    out.draw(emojiSticker(emoji, 0x1F381, 46, 40), 26, 18);
    return out;
}

// ---- Slot 6: the lights ---------------------------------------------------------------------

void glow(Picture& out, float x, float y, float r, Color c)
{
    paintIn(out, whole(out), circle(x, y, r), radial(x, y, r, c.withAlpha(0.45f), c.withAlpha(0.0f)));
}

Picture lightsPicture(int value)
{
    Picture out = canvasFor(lightsArea);
    const Box all = whole(out);
    const float w = all.right;
    const Color wire = Color::hex(0x3B3B3B);
    switch (value) {
    case 0: // one bare bulb on a wire
        strokeIn(out, all, capsule(w / 2, 0, w / 2, 46, 0.1f), 1.5f, solid(wire));
        paintIn(out, all, roundedRect(w / 2 - 5, 44, 10, 8, 2), solid(Color::hex(0x8A8A8A)));
        paintIn(out, all, circle(w / 2, 60, 9), solid(Color::hex(0xF2EEDC)));
        strokeIn(out, all, circle(w / 2, 60, 9), 1, solid(Color::hex(0xA09A88)));
        break;
    case 1: { // paper lanterns
        const struct {
            float x, y, r;
            uint32_t colour;
        } lanterns[] = {{90, 56, 24, 0xE8505B}, {214, 74, 28, 0xFF9F1C}, {338, 54, 24, 0xF28DC0}};
        for (const auto& l : lanterns) {
            const Color c = Color::hex(l.colour);
            strokeIn(out, all, capsule(l.x, 0, l.x, l.y - l.r, 0.1f), 1.5f, solid(wire));
            glow(out, l.x, l.y, l.r * 2.2f, Color::hex(0xFFD98A));
            const Shape body = ellipse(l.x, l.y, l.r, l.r * 0.86f);
            paintIn(
                out, all, body, radial(l.x - l.r * 0.2f, l.y - l.r * 0.3f, l.r * 1.4f, c.lighter(0.5f), c));
            for (int k = -2; k <= 2; ++k)
                strokeIn(out, all,
                    intersect(ellipse(l.x, l.y, std::fabs(k) * l.r * 0.35f + 0.5f, l.r * 0.86f), body), 1,
                    solid(c.darker(0.25f)));
            paintIn(out, all, roundedRect(l.x - l.r * 0.45f, l.y - l.r * 0.95f, l.r * 0.9f, 6, 2),
                solid(Color::hex(0x3B3B3B)));
            paintIn(out, all, roundedRect(l.x - l.r * 0.45f, l.y + l.r * 0.8f, l.r * 0.9f, 6, 2),
                solid(Color::hex(0x3B3B3B)));
        }
        break;
    }
    case 2: { // crystal chandelier
        const float cx = w / 2;
        strokeIn(out, all, capsule(cx, 0, cx, 30, 0.1f), 2, solid(style::goldDark));
        glow(out, cx, 62, 90, Color::hex(0xFFF1B0));
        const Shape arms = unite(intersect(ellipse(cx, 54, 64, 22), roundedRect(cx - 70, 54, 140, 30, 0)),
            capsule(cx, 30, cx, 58, 3));
        strokeIn(out, all, intersect(ellipse(cx, 54, 64, 22), roundedRect(cx - 70, 54, 140, 30, 0)), 3.5f,
            solid(style::goldDark));
        strokeIn(out, all, arms, 1.2f, solid(style::gold));
        for (int k = -3; k <= 3; ++k) {
            const float x = cx + k * 20.0f,
                        y = 54 + std::sqrt(std::max(0.0f, 1 - (k * 20.0f / 64) * (k * 20.0f / 64))) * 22;
            paintIn(out, all, roundedRect(x - 2.5f, y - 16, 5, 14, 2), solid(Color::hex(0xFFF8E8)));
            paintIn(out, all, ellipse(x, y - 20, 3, 5), solid(Color::hex(0xFFC94D)));
            const Shape drop = polygon({{x, y + 4}, {x + 5, y + 12}, {x, y + 22}, {x - 5, y + 12}});
            paintIn(out, all, drop, vertical(y + 4, Color::hex(0xE9FBFF), y + 22, Color::hex(0x9ED9F2)));
            strokeIn(out, all, drop, 0.8f, solid(Color::hex(0x6FA9C8)));
        }
        paintIn(out, all, circle(cx, 34, 6), radial(cx - 2, 32, 8, style::white, style::gold));
        break;
    }
    default: { // fairy lights in two swags
        const uint32_t colours[] = {0xFF5A7A, 0xFFD84D, 0x5CC44E, 0x48B4F0, 0xC77DFF};
        std::vector<std::pair<float, float>> string;
        for (float x = 4; x <= w - 4; x += 4)
            string.emplace_back(x, 10 + std::fabs(std::sin((x - 4) / (w - 8) * 3.14159f * 2)) * 44);
        strokeIn(out, all, polyline(string, 0.2f), 1.5f, solid(Color::hex(0x2F6B3A)));
        int i = 0;
        for (size_t k = 4; k < string.size(); k += 7, ++i) {
            const auto [x, y] = string[k];
            const Color c = Color::hex(colours[i % 5]);
            glow(out, x, y + 7, 14, c);
            paintIn(out, all, ellipse(x, y + 7, 3.5f, 5.5f), radial(x - 1, y + 5, 6, c.lighter(0.6f), c));
        }
        break;
    }
    }
    return out;
}

// ---- The screen: street, building, panel ------------------------------------------------------

Picture background(const EmojiFont& emoji)
{
    Picture out(800, 600);
    drawSky(out, 430);
    const Box all = whole(out);
    // The next house and a tree to the right (seen when the panel is away)
    ShopFront neighbour;
    neighbour.wall = Color::hex(0xCFE6F5);
    neighbour.awning = style::sky;
    neighbour.name = "Post Office";
    neighbour.goods = {0x2709, 0x1F4E6};
    drawShopFront(out, emoji, neighbour, {560, 236, 780, 540});
    // The building: the front wall around the opening, cornice and plinth
    const Shape facade = roundedRect(24, 40, 492, 500, 6);
    shadowIn(out, all, facade, 6, 7, style::shadow);
    paintIn(out, all, facade, [](float x, float y) {
        const bool mortar = std::fabs(fract(y / 22.0f) - 0.5f) > 0.45f
            || std::fabs(fract(x / 44.0f + (int(y / 22.0f) % 2) * 0.5f) - 0.5f) > 0.47f;
        return mortar ? Color::hex(0xE9C9B0)
                      : Color::hex(0xF2B8A0).mix(Color::hex(0xE8A48A), 0.5f + 0.5f * std::sin(x * 0.3f + y));
    });
    strokeIn(out, all, facade, 2.5f, solid(Color::hex(0x9A5A48)));
    paintIn(out, all, roundedRect(14, 30, 512, 22, 5), vertical(30, style::cream, 52, style::creamShade));
    strokeIn(out, all, roundedRect(14, 30, 512, 22, 5), 2, solid(Color::hex(0x9A5A48)));
    paintIn(out, all, roundedRect(18, 520, 504, 24, 3),
        vertical(520, Color::hex(0xBBA894), 544, Color::hex(0x9C8A76)));
    // The opening, dark where nothing is fitted yet, with its frame
    const Shape opening = roundedRect(
        wallArea.left, wallArea.top, wallArea.right - wallArea.left, floorArea.bottom - wallArea.top, 2);
    paintIn(out, all, grow(opening, 6), solid(Color::hex(0xF7EDE0)));
    strokeIn(out, all, grow(opening, 6), 2, solid(Color::hex(0x9A5A48)));
    paintIn(out, all, opening, solid(Color::hex(0x4A3A30)));
    // The garden behind, seen through the back window: sky, a hedge and a tree
    const Box garden{windowHole.left - 4, windowHole.top - 4, windowHole.right + 4, windowHole.bottom + 4};
    const Shape view
        = roundedRect(garden.left, garden.top, garden.right - garden.left, garden.bottom - garden.top, 0);
    paintIn(
        out, garden, view, vertical(garden.top, Color::hex(0x8FD3F5), garden.bottom, Color::hex(0xE6F7FF)));
    paintIn(out, garden, intersect(circle(210, 236, 30), view), solid(Color::hex(0x6FBF52)));
    paintIn(out, garden, intersect(circle(186, 252, 24), view), solid(Color::hex(0x7DCB5C)));
    paintIn(out, garden, intersect(roundedRect(196, 262, 8, 60, 2), view), solid(Color::hex(0x8C5A32)));
    paintIn(out, garden, intersect(ellipse(160, 352, 120, 60), view), solid(Color::hex(0x8CD46A)));
    paintIn(out, all,
        roundedRect(signArea.left - 6, signArea.top - 4, signArea.right - signArea.left + 12,
            signArea.bottom - signArea.top + 6, 8),
        solid(Color::hex(0x9A5A48, 0.5f)));
    drawPavement(out, 544);
    // Kip by the door, proud of the shop
    drawPerson(out, kip(), 510, 590, 0.45f, Pose::Wave, true);
    return out;
}

Picture panelPicture()
{
    Picture out = panel(int(panelArea.right - panelArea.left), int(panelArea.bottom - panelArea.top));
    TextLook title;
    title.fill = vertical(20, Color::hex(0xFFF3C4), 56, style::gold);
    title.outline = 2.5f;
    title.outlineColor = style::woodDark;
    title.shadow = 2;
    drawText(out, Font(style::titleFont, 30), "My Shop", out.width() / 2.0f, 54, TextAlign::Centre, title);
    drawText(
        out, Font(style::titleFont, 18), "Choose one:", 22, 256, TextAlign::Left, inkLook(style::inkSoft));
    strokeIn(out, whole(out), roundedRect(22, 234, out.width() - 44.0f, 0.1f, 0), 1.2f,
        solid(style::wood.withAlpha(0.5f)));
    return out;
}

Picture slotButton(const EmojiFont& emoji, int slot, ButtonState state)
{
    const bool off = state == ButtonState::Disabled;
    Picture out = buttonCell(slotWidth, slotHeight, {style::sky, style::skyDark}, state, nullptr, "", 12);
    const int dy = state == ButtonState::Pressed ? 2 : 0;
    Picture icon = emojiSticker(emoji, slotEmoji[slot], 42, 36);
    if (off)
        icon = greyed(icon, 0.3f);
    out.draw(icon, (slotWidth - 42) / 2, 6 + dy);
    TextLook label = inkLook(off ? Color::hex(0xF4F1EC) : style::white);
    label.outline = 2;
    label.outlineColor = off ? style::disabledDark : style::skyDark;
    const int size = fittingSize(style::boldFont, slotNames[slot], slotWidth - 16, 12);
    drawText(out, Font(style::boldFont, size), slotNames[slot], slotWidth / 2.0f, 62 + dy, TextAlign::Centre,
        label);
    if (off)
        out.draw(emojiSticker(emoji, 0x1F512, 24, 20), slotWidth - 26, 2);
    return out;
}

Picture optionButton(const Picture& swatch, const std::string& name, ButtonState state)
{
    Picture out(optionWidth, optionHeight);
    const Box all = whole(out);
    const bool pressed = state == ButtonState::Pressed;
    const float top = 4 + (pressed ? 2.0f : 0.0f);
    const Shape card = roundedRect(5, top, optionWidth - 10.0f, optionHeight - 12.0f, 12);
    if (state == ButtonState::Selected)
        paintIn(out, all, grow(card, 4), solid(style::gold));
    if (state == ButtonState::Hover)
        out.fill(blurred(shapeMask(optionWidth, optionHeight, grow(card, 3)), 3),
            solid(style::white.withAlpha(0.9f)));
    shadowIn(out, all, card, pressed ? 1.5f : 3, 2.5f, style::shadow);
    const bool off = state == ButtonState::Disabled;
    const Color rim = off                ? style::disabledDark
        : state == ButtonState::Selected ? style::goldDark
                                         : style::wood;
    paintIn(out, all, grow(card, 2), solid(rim));
    const Color face = state == ButtonState::Hover ? style::white : off ? Color::hex(0xE4DFD8) : style::cream;
    paintIn(out, all, card,
        vertical(top, face, top + optionHeight, face.darker(state == ButtonState::Pressed ? 0.08f : 0.03f)));
    // The option's own picture in a little frame, fitted over a pale ground
    const Shape frame = roundedRect(12, top + 6, 60, 48, 6);
    paintIn(out, all, grow(frame, 1.5f), solid(rim));
    paintIn(out, all, frame, solid(Color::hex(0xEFE6D6)));
    const float scale = std::min(60.0f / swatch.width(), 48.0f / swatch.height());
    Picture thumb = resized(
        swatch, std::max(1, int(swatch.width() * scale)), std::max(1, int(swatch.height() * scale)));
    if (off)
        thumb = greyed(thumb, 0.3f);
    Picture framed(optionWidth, optionHeight);
    framed.draw(thumb, 12 + (60 - thumb.width()) / 2, int(top + 6) + (48 - thumb.height()) / 2);
    for (int y = 0; y < optionHeight; ++y)
        for (int x = 0; x < optionWidth; ++x) {
            const float inside = std::clamp(0.5f - frame(x + 0.5f, y + 0.5f), 0.0f, 1.0f);
            Rgba& p = framed.ref(x, y);
            p = {p.r * inside, p.g * inside, p.b * inside, p.a * inside};
        }
    out.draw(framed, 0, 0);
    const Font font(style::boldFont, 14);
    const std::vector<std::string> lines = wrapLines(font, name, optionWidth - 96);
    int baseline = int(top + 30 - (lines.size() - 1) * 8.0f + 5);
    for (const std::string& line : lines) {
        drawText(
            out, font, line, 82, baseline, TextAlign::Left, inkLook(off ? style::disabledDark : style::ink));
        baseline += 17;
    }
    if (state == ButtonState::Selected) { // a green tick badge
        const Shape badge = circle(optionWidth - 20.0f, top + 12, 10);
        paintIn(out, all, grow(badge, 1.5f), solid(style::leafDark));
        paintIn(out, all, badge, solid(style::leaf));
        strokeIn(out, all,
            polyline({{optionWidth - 25.0f, top + 12}, {optionWidth - 21.0f, top + 16},
                         {optionWidth - 15.0f, top + 8}},
                0.2f),
            2.4f, solid(style::white));
    }
    return out;
}

// The part of an option's picture that its button shows.
Picture swatchOf(int slot, int value, const Picture& piece)
{
    switch (slot) {
    case 0:
        return cropped(piece, 200, 40, 120, 96); // wallpaper beside the window
    case 1:
        return cropped(piece, 150, 10, 140, 100); // floor
    case 2:
        return cropped(piece, 110, 0, 192, 66); // the middle of the sign
    case 4:
        return cropped(piece, 0, 20, 160, 128); // window display
    case 5: // one lantern, the chandelier, or a stretch of the fairy lights
        return value == 1 ? cropped(piece, 170, 24, 88, 96)
            : value == 2  ? cropped(piece, 134, 14, 160, 100)
                          : cropped(piece, 0, 0, 150, 90);
    default:
        return piece;
    }
}

Picture instruction(const std::string& text)
{
    Picture out(noteWidth, noteHeight);
    const Box all = whole(out);
    const Shape note = roundedRect(4, 3, noteWidth - 8.0f, noteHeight - 9.0f, 6);
    shadowIn(out, all, note, 3, 3, style::shadow);
    paintIn(out, all, note, vertical(0, Color::hex(0xFFF7B8), noteHeight, Color::hex(0xFFE98A)));
    paintIn(out, all, roundedRect(noteWidth / 2.0f - 22, 0, 44, 10, 1), solid(Color::hex(0xFFFFFF, 0.6f)));
    drawCentredBlock(out, {0, 3, float(noteWidth), noteHeight - 6.0f}, Font(style::titleFont, 19), text, 14,
        20, style::ink);
    return out;
}

// ---- The final celebration --------------------------------------------------------------------

Picture congratsOverlay()
{
    Picture out(800, 600);
    const Box all = whole(out);
    // An evening veil, so that the additive confetti glows, inside a gold frame
    paintIn(out, all, roundedRect(-5, -5, 810, 610, 0), solid(Color::hex(0x141838, 0.5f)));
    const Shape frame = subtract(roundedRect(0, 0, 800, 600, 0), roundedRect(12, 12, 776, 576, 8));
    paintIn(out, all, frame, vertical(0, Color::hex(0xFFE9A0), 600, style::goldDark));
    strokeIn(out, all, roundedRect(12, 12, 776, 576, 8), 2, solid(Color::hex(0x8A5E00)));
    // Bunting across the top
    const uint32_t flags[] = {0xE84A7F, 0xFFCB3D, 0x48B4F0, 0x5CC44E, 0xFF9F1C, 0xB25FD0};
    auto sag = [](float x) { return 22 + 30 * std::sin((x - 12) / 776 * 3.14159f); };
    std::vector<std::pair<float, float>> string;
    for (float x = 12; x <= 788; x += 8)
        string.emplace_back(x, sag(x));
    strokeIn(out, all, polyline(string, 0.2f), 1.6f, solid(Color::hex(0xFFF3D6)));
    int i = 0;
    for (float x = 34; x < 770; x += 44, ++i) {
        const float y = sag(x);
        const Shape flag = polygon({{x - 15, y}, {x + 15, sag(x + 30) - 0.0f}, {x + 2, y + 32}});
        paintIn(out, all, flag, solid(Color::hex(flags[i % 6])));
        strokeIn(out, all, flag, 1, solid(Color::hex(flags[i % 6]).darker(0.3f)));
    }
    // The title ribbon
    // The title ribbon, to the right of the shop's sign
    const Picture banner = ribbon(350, 80, style::berry, style::berryDark);
    out.draw(banner, 432, 70);
    TextLook title;
    title.fill = vertical(70, style::white, 140, Color::hex(0xFFE9B0));
    title.outline = 3;
    title.outlineColor = style::berryDark;
    title.shadow = 2;
    drawText(out, Font(style::titleFont, 34), "Congratulations!", 607, 116, TextAlign::Centre, title);
    return out;
}

Picture finalText()
{
    Picture out = panel(finalWidth, finalHeight);
    drawPerson(out, kip(), finalWidth / 2.0f, 112, 0.42f, Pose::Cheer);
    const Font font(style::bodyFont, 16);
    const int next = drawParagraph(out, font,
        "Kip's very own Gift Shop is open at last! The whole town has come to see it, and all the shop "
        "owners are back from their holidays to cheer.",
        finalWidth / 2.0f, 144, finalWidth - 60, 21, TextAlign::Centre, inkLook(style::ink));
    drawParagraph(out, Font(style::titleFont, 22), "Thank you for a wonderful summer!", finalWidth / 2.0f,
        next + 8, finalWidth - 60, 24, TextAlign::Centre, inkLook(style::berryDark));
    return out;
}

// ---- Confetti: 14 frames of a piece of paper spinning as it falls ---------------------------

Picture confettiSheet(int kind)
{
    constexpr int cell = 16, frames = 14;
    Picture out(cell * frames, cell);
    const Box all = whole(out);
    for (int f = 0; f < frames; ++f) {
        const float t = float(f) / frames, cx = f * cell + cell / 2.0f, cy = cell / 2.0f;
        // The face turning toward and away from us: light in front, shaded behind
        const float turn = std::cos(t * 6.2831853f);
        const float light = turn > 0 ? 0.6f + 0.4f * turn : 0.5f + 0.25f * -turn;
        const Color paper = Color::hex(0xFFF6E6).mix(Color::hex(0x9A8F80), 1 - light);
        Shape piece;
        if (kind == 1) // a round dot tumbling
            piece = rotated(ellipse(cx, cy, 4.2f, 0.8f + 3.4f * std::fabs(turn)), cx, cy, t * 180);
        else if (kind == 2) // a strip turning in the air
            piece = rotated(roundedRect(cx - 0.6f - 5.4f * std::fabs(turn), cy - 2.6f,
                                1.2f + 10.8f * std::fabs(turn), 5.2f, 1),
                cx, cy, t * 360);
        else { // a curl of streamer
            std::vector<std::pair<float, float>> curl;
            for (int k = 0; k <= 12; ++k) {
                const float a = k * 0.5f, r = 1.5f + k * 0.45f;
                curl.emplace_back(
                    cx + std::cos(a) * r, cy + std::sin(a) * r * (0.3f + 0.7f * std::fabs(turn)));
            }
            piece = rotated(polyline(curl, 1.1f), cx, cy, t * 360);
        }
        paintIn(out, all, intersect(piece, roundedRect(f * cell + 0.0f, 0, cell, cell, 0)), solid(paper));
    }
    return out;
}

} // namespace

void makeUpgradeArt(PictureWriter& out, const EmojiFont& emoji)
{
    out.write("upg_bg", background(emoji));
    out.write("upg_panel", panelPicture());
    std::vector<std::vector<Picture>> pieces(6);
    for (int v = 0; v <= 3; ++v) {
        pieces[0].push_back(wallpaper(v));
        pieces[1].push_back(floorPicture(v));
        pieces[2].push_back(signPicture(v));
        pieces[3].push_back(counterPicture(emoji, v));
        pieces[4].push_back(windowDisplay(emoji, v));
        pieces[5].push_back(lightsPicture(v));
    }
    for (int slot = 0; slot < 6; ++slot)
        for (int v = 0; v <= 3; ++v)
            out.write("myshop_upgrade_B_" + std::to_string(slot + 1) + "_" + std::to_string(v),
                pieces[size_t(slot)][size_t(v)]);
    for (int slot = 0; slot < 6; ++slot) {
        out.write("upg_slot" + std::to_string(slot + 1),
            stateSheet([&](ButtonState s) { return slotButton(emoji, slot, s); }));
        for (int v = 1; v <= 3; ++v) {
            const Picture swatch = swatchOf(slot, v, pieces[size_t(slot)][size_t(v)]);
            out.write("upg_option" + std::to_string(slot + 1) + "_" + std::to_string(v),
                stateSheet([&](ButtonState s) { return optionButton(swatch, optionNames[slot][v - 1], s); }));
        }
    }
    const char* const instructions[6] = {"Choose a wallpaper for your shop!",
        "Now pick a floor to go with it.", "Every shop needs a sign: choose yours!",
        "Time for a counter: pick one!", "Dress up the shop window!", "Last of all: choose the lights!"};
    std::vector<Picture> notes;
    for (const char* text : instructions)
        notes.push_back(instruction(text));
    Picture column(noteWidth, noteHeight * 6);
    for (size_t i = 0; i < notes.size(); ++i)
        column.draw(notes[i], 0, int(i) * noteHeight);
    out.write("upg_txtbox", column);
    out.write("upg_txtboxfinal", finalText());
    out.write("upg_congrats", congratsOverlay());
    const Font label(style::boldFont, 23);
    out.write("camp_next",
        buttonSheet(180, 60, {style::leaf, style::leafDark}, &label, "Next", style::buttonRadius));
    for (int kind = 1; kind <= 3; ++kind)
        out.write("iconfetti" + std::to_string(kind), confettiSheet(kind));
}

} // namespace contentgen
