// The furniture and decorations that the shop designs are built from: shelves, uprights,
// crates, rails, pegboards, counters, windows, signs, lamps, bunting and painted emoji. Each
// draws into a Painter at the place it is given, in the content's cartoon look (dark rims,
// gradients lit from above, soft shadows falling down).
#pragma once

#include "ShopPainter.h"
#include "Text.h"

#include <string>
#include <vector>

namespace contentgen {

// The colours of one material: light face, mid face, dark rim.
struct Material {
    Color light, mid, dark;

    static Material of(uint32_t light, uint32_t mid, uint32_t dark)
    {
        return {Color::hex(light), Color::hex(mid), Color::hex(dark)};
    }
};

namespace materials {
inline const Material oak = Material::of(0xE2AD6E, 0xB97A43, 0x6E4122);
inline const Material walnut = Material::of(0xA8693A, 0x7A4A28, 0x3F2414);
inline const Material pine = Material::of(0xF2CF94, 0xD9A866, 0x8C5E2C);
inline const Material white = Material::of(0xFFFFFF, 0xE8E4DC, 0x9E958A);
inline const Material steel = Material::of(0xDCE3EA, 0xA9B4BF, 0x5C6773);
inline const Material orangeSteel = Material::of(0xFFB347, 0xF28C1C, 0x9A4E06);
inline const Material navy = Material::of(0x3E5C8A, 0x2A4069, 0x15213A);
inline const Material bamboo = Material::of(0xF0DB8E, 0xD2B45E, 0x8A7026);
} // namespace materials

// A shelf board whose top lies on `y` (the goods' shelf line), from x0 to x1.
void shelfBoard(Painter& p, float x0, float x1, float y, const Material& m, float thickness = 9);
// A glass shelf with a bright edge and a soft glow below.
void glassShelf(Painter& p, float x0, float x1, float y, Color glow);
// A metal rack beam with bolt heads.
void rackBeam(Painter& p, float x0, float x1, float y, const Material& m);
// A vertical post or cabinet side from y0 to y1.
void upright(Painter& p, float x, float y0, float y1, float width, const Material& m);
// A moulded cabinet top (crown) over x0..x1 at y.
void cabinetCrown(Painter& p, float x0, float x1, float y, const Material& m);
// A small shelf bracket below a board.
void bracket(Painter& p, float x, float y, const Material& m);
// A wooden crate front (slats and corner posts), useful under displays and in the counter.
void crate(Painter& p, const Box& box, const Material& m);
// A pegboard panel with its holes.
void pegboard(Painter& p, const Box& box, Color board);
// A clothes rail or hanging bar at y, with end posts.
void hangingRail(Painter& p, float x0, float x1, float y, const Material& m);

// A window with sky, a cloud and a sill.
void window(Painter& p, const Box& box, const Material& frame, Color skyTop, Color skyBottom);
// A framed board with text lines (chalkboard when `chalk`, else a painted poster).
void board(Painter& p, const Box& box, const Material& frame, Color face, const Font& font,
    const std::vector<std::string>& lines, Color ink);
// A round wall clock.
void wallClock(Painter& p, float cx, float cy, float radius, const Material& rim);
// A pendant lamp hanging from the top.
void pendantLamp(Painter& p, float x, float cordTop, float shadeY, float width, Color shade);
// Little triangular flags on a string sagging from x0 to x1.
void bunting(Painter& p, float x0, float x1, float y, float sag, const std::vector<Color>& colours);
// A scalloped awning edge across the width.
void awning(Painter& p, float x0, float x1, float y, float depth, Color a, Color b, int stripes);
// An emoji painted flat as decoration (no sticker rim, so it never reads as goods).
void paintedEmoji(Painter& p, const EmojiFont& font, uint32_t codepoint, float cx, float cy, float size,
    float opacity = 1.0f);

// The shop's name sign in the top-left corner of the screen (the HUD leaves x 4 to 186).
enum class SignStyle { Board, Chalk, Neon, Banner, Metal, Ribbon };
void shopSign(Painter& p, const Box& box, const std::string& title, SignStyle style, Color face, Color ink);

// The counter across the bottom where the customers stand: top at y, the front below it.
void counterTop(Painter& p, float y, const Material& top);

} // namespace contentgen
