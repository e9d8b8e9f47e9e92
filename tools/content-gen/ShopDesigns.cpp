// The twelve shop rooms. Every room shares the frame of the screen: the HUD strip at the top
// (the shop's sign sits at its left end), six rows of goods from y 40 to 398, and the counter
// where the customers stand below. Within that frame each shop has its own walls, floor,
// furniture and decorations.
#include "ShopDesigns.h"

#include "Style.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <stdexcept>

namespace contentgen {

using namespace shoplayout;

namespace {

Shape rect(float x, float y, float w, float h)
{
    return roundedRect(x, y, w, h, 0);
}

void fillAll(Painter& p, float y0, float y1, const Paint& paint)
{
    p.fill(rect(-2, y0, width + 4, y1 - y0), {0, y0, float(width), y1 - y0}, paint);
}

// The shelf lines of the rows, top down: 'S' a row of single items, 'P' a row of piles.
std::vector<float> shelfLines(const std::string& rows)
{
    std::vector<float> lines;
    float y = goodsTop;
    for (char kind : rows) {
        y += kind == 'S' ? singleRow : pileRow;
        lines.push_back(y);
    }
    if (y > goodsBottom + 0.5f)
        throw std::runtime_error("the rows " + rows + " reach below the goods area");
    return lines;
}

struct Kit {
    ShopScene& scene;
    const Shop& shop;
    const EmojiFont& emoji;
    Painter& p;
};

// A run of goods on one shelf board, with brackets under it.
void shelfRun(Kit& k, const std::string& pattern, float x0, float x1, float line, const Material& m)
{
    shelfBoard(k.p, x0, x1, line, m);
    for (float x = x0 + 14; x < x1 - 6; x += std::max(60.0f, (x1 - x0 - 28) / 4))
        bracket(k.p, x, line + 8, m);
    k.scene.goods(pattern, x0 + 2, x1 - 2, line);
}

// A shelf board between two posts, from x0 to x1, its top on the shelf line.
void postedBoard(Painter& p, float x0, float x1, float line, const Material& board, const Material& posts)
{
    upright(p, x0 - 6, line - pileRow - 2, line + 10, 10, posts);
    upright(p, x1 - 4, line - pileRow - 2, line + 10, 10, posts);
    shelfBoard(p, x0 + 2, x1 - 2, line, board, 10);
}

// A row of piles on a posted board.
void pileShelf(Kit& k, const std::string& pattern, float x0, float x1, float line, const Material& board,
    const Material& posts)
{
    postedBoard(k.p, x0, x1, line, board, posts);
    k.scene.goods(pattern, x0 + 4, x1 - 4, line);
}

// The full-width rows of piles of a room: each listed row gets its fixture (drawn at the row's
// shelf line) and the goods of its pattern.
void pileRows(Kit& k, const std::vector<float>& line, std::initializer_list<size_t> rows,
    std::initializer_list<const char*> patterns, const std::function<void(float)>& fixture)
{
    auto pattern = patterns.begin();
    for (size_t r : rows) {
        fixture(line[r]);
        k.scene.goods(*pattern++, 12, 788, line[r]);
    }
}

// A pallet rack: steel posts and an orange beam.
void palletRack(Painter& p, float line)
{
    upright(p, 2, line - pileRow - 2, line + 10, 9, materials::steel);
    upright(p, 789, line - pileRow - 2, line + 10, 9, materials::steel);
    rackBeam(p, 10, 790, line, materials::orangeSteel);
}

void counterFront(Kit& k, float top, const Paint& front, const Material& trim)
{
    fillAll(k.p, top, float(height), front);
    counterTop(k.p, top - 12, trim);
}

// Six hint tokens, one in each row, tucked into the lower right corner of a group of goods.
void hideTokens(Kit& k, int seed)
{
    std::map<float, std::vector<GoodsPlace>> rows;
    for (const GoodsPlace& place : k.scene.places())
        rows[place.baseline].push_back(place);
    int i = 0;
    for (const auto& [line, places] : rows) {
        const GoodsPlace& place = places[size_t(seed * 7 + i * 5) % places.size()];
        k.scene.hintToken(place.x + place.width() - 22, line - 27);
        if (++i == 6)
            break;
    }
}

Material materialOf(uint32_t mid)
{
    const Color c = Color::hex(mid);
    return {c.lighter(0.3f), c, c.darker(0.5f)};
}

// --- 1 Grocery: a market hall with tiled walls, a striped awning and produce stands.
void grocery(Kit& k)
{
    Painter& p = k.p;
    fillAll(p, 0, 430, tiles(Color::hex(0xE4F4DA), Color::hex(0xC3DEB4), 26, 2, 0, 0));
    awning(p, -4, 804, 0, 20, Color::hex(0x4CAF50), Color::hex(0xF4FFF0), 20);
    k.scene.paintSign(k.shop.title, SignStyle::Chalk, Color::hex(0x2E3B34), Color::hex(0xFFFFFF));
    const std::vector<float> line = shelfLines("SPPSPP");
    const Material tier = materialOf(0x5DAE4B);

    shelfRun(k, "SSSSSSSSSSSSS", 8, 612, line[0], materials::oak);
    const Font chalk(style::titleFont, 15);
    board(p, {620, 43, 144, 46}, materials::walnut, Color::hex(0x33413A), chalk,
        {"Fresh today!", "picked this morning"}, Color::hex(0xFFFDE8));
    k.scene.decorate(k.emoji, 0x1F33B, 781, 66, 26); // sunflowers in a jar

    pileRows(k, line, {1, 2, 4, 5}, {"TTTFTTTT", "TTTTTTFT", "TFTTTTTT", "TTTTTFTT"},
        [&](float y) { postedBoard(p, 8, 792, y, tier, materials::oak); });

    shelfRun(k, "SSSSSSS", 8, 334, line[3], materials::oak);
    window(p, {348, line[3] - 56, 130, 56}, materials::white, Color::hex(0x8ED6FF), Color::hex(0xDDF4FF));
    shelfRun(k, "SSSSSS", 492, 792, line[3], materials::oak);

    counterFront(k, 432, planks(Color::hex(0xC98B4E), Color::hex(0x7A4A28), 18, 0, true), materials::oak);
    for (int c = 0; c < 5; ++c)
        crate(p, {float(22 + c * 160), 466, 116, 58}, materials::pine);
    hideTokens(k, 1);
}

// --- 2 Bakery and Café: candy-striped walls, bread racks and a café corner.
void bakery(Kit& k)
{
    Painter& p = k.p;
    fillAll(p, 0, 430, stripes(Color::hex(0xFFF3DF), Color::hex(0xFFE0E6), 22, true));
    awning(p, -4, 804, 0, 14, Color::hex(0xF28DB0), Color::hex(0xFFFFFF), 24);
    k.scene.paintSign(k.shop.title, SignStyle::Board, Color::hex(0xF7A8C2), Color::hex(0x6E2B45));
    const std::vector<float> line = shelfLines("PSPPSP");
    pileRows(k, line, {0, 2, 3, 5}, {"TTFTTTTT", "TTTTFTTT", "FTTTTTTT", "TTTTTTTF"},
        [&](float y) { postedBoard(p, 8, 792, y, materials::walnut, materials::walnut); });

    shelfRun(k, "SSSSSSSSSSSSS", 8, 612, line[1], materials::white);
    const Font menu(style::titleFont, 15);
    board(p, {622, line[1] - 48, 140, 46}, materials::walnut, Color::hex(0x3A2F2A), menu,
        {"Café", "coffee & a smile"}, Color::hex(0xFFE7F0));
    k.scene.decorate(k.emoji, 0x1F337, 780, line[1] - 24, 26); // tulips on the shelf

    window(p, {14, line[4] - 52, 140, 52}, materials::white, Color::hex(0xFFC7D9), Color::hex(0xFFF1E0));
    shelfRun(k, "SSSSSSSSSSSSS", 172, 792, line[4], materials::white);
    for (float x : {210.0f, 400.0f, 590.0f})
        pendantLamp(p, x, -2, 28, 26, Color::hex(0xF28DB0));

    counterFront(k, 432, stripes(Color::hex(0xFFFFFF), Color::hex(0xF7B9CF), 30, true), materials::walnut);
    // The glass front of the cake counter.
    p.fill(roundedRect(40, 456, 720, 86, 8), {40, 456, 720, 86},
        vertical(456, Color::hex(0xE8FBFF, 0.75f), 542, Color::hex(0xB8E6F2, 0.6f)));
    p.stroke(roundedRect(40, 456, 720, 86, 8), {40, 456, 720, 86}, 2, solid(Color::hex(0x8CC7D6)));
    hideTokens(k, 2);
}

// --- 3 Toy Shop: star wallpaper, rainbow cubby shelves and bunting.
void toyShop(Kit& k)
{
    Painter& p = k.p;
    fillAll(p, 0, 430, wallpaper(Color::hex(0xBFE6FF), Color::hex(0xFFF6B0), Motif::Star, 38));
    bunting(p, -10, 810, 2, 16, {style::berry, style::gold, style::sky, style::leaf, style::orange});
    k.scene.paintSign(k.shop.title, SignStyle::Banner, Color::hex(0xE8505B), Color::hex(0xFFFFFF));
    const std::vector<float> line = shelfLines("PPSPPS");
    const uint32_t colours[] = {0xE8505B, 0xFFB300, 0x3F9BE8, 0x4CB944};
    int row = 0;
    pileRows(k, line, {0, 1, 3, 4}, {"TTTTFTTT", "TFTTTTTT", "TTTTTTFT", "TTFTTTTT"},
        [&](float y) { postedBoard(p, 8, 792, y, materialOf(colours[row++]), materials::white); });
    shelfRun(k, "SSSSSSSSSSSSS", 178, 792, line[2], materialOf(0x9C6ADE));
    // A rainbow painted on the wall at the left end of the middle row.
    const float cx = 116, cy = line[2] - 2;
    const uint32_t bands[] = {0xE8505B, 0xFF9F1C, 0xFFD23F, 0x5CC44E, 0x48B4F0, 0x9C6ADE};
    for (int b = 0; b < 6; ++b)
        p.fill(intersect(subtract(circle(cx, cy, 50.0f - b * 5), circle(cx, cy, 45.0f - b * 5)),
                   roundedRect(0, 0, 800, cy, 0)),
            {cx - 52, cy - 52, 104, 52}, solid(Color::hex(bands[b])));
    for (float x : {cx - 44, cx + 44}) // a cloud at each foot of the rainbow
        p.fill(unite(unite(circle(x - 8, cy - 5, 8), circle(x + 6, cy - 7, 10)),
                   roundedRect(x - 16, cy - 8, 34, 8, 4)),
            {x - 20, cy - 20, 40, 20}, solid(Color::hex(0xFFFFFF)));
    shelfRun(k, "SSSSSSSSSSSSS", 8, 612, line[5], materialOf(0xFF7BAC));
    const Font font(style::titleFont, 16);
    board(p, {622, line[5] - 48, 140, 46}, materialOf(0x3F9BE8), Color::hex(0xFFFDF2), font,
        {"Play with us!", "toys for all ages"}, style::berryDark);
    k.scene.decorate(k.emoji, 0x1F3A8, 780, line[5] - 24, 26); // a painting set
    counterFront(
        k, 432, checker(Color::hex(0xFFE9A8), Color::hex(0xBFE3F7), 40, 0, 432), materialOf(0xE8505B));
    hideTokens(k, 3);
}

// --- 4 Garden Centre: a greenhouse of glass, slatted benches and a butterfly at the window.
void gardenCentre(Kit& k)
{
    Painter& p = k.p;
    fillAll(p, 0, 430, vertical(0, Color::hex(0xA8DDF7), 430, Color::hex(0xE6F7E8)));
    for (float x = 0; x <= 800; x += 100)
        p.fill(rect(x - 2, 0, 4, 430), {x - 3, 0, 6, 430}, solid(Color::hex(0xFFFFFF, 0.85f)));
    for (float y = 36; y < 430; y += 96)
        p.fill(rect(0, y - 2, 800, 4), {0, y - 3, 800, 6}, solid(Color::hex(0xFFFFFF, 0.85f)));
    p.fill(rect(-2, 0, 804, 8), {0, 0, 800, 8}, solid(Color::hex(0x4E9E3A)));
    k.scene.paintSign(k.shop.title, SignStyle::Board, Color::hex(0x5DAE4B), Color::hex(0xFFFFFF));
    const std::vector<float> line = shelfLines("SPPSPP");
    const Material bench = materials::pine;
    const Material legs = materialOf(0x3E8E4A);
    pileRows(k, line, {1, 2, 4, 5}, {"TTTTTTTF", "TTFTTTTT", "TTTTFTTT", "FTTTTTTT"},
        [&](float y) { postedBoard(p, 8, 792, y, bench, legs); });

    shelfRun(k, "SSSSSSSSSSSSS", 8, 612, line[0], bench);
    // A window in the glass wall; the butterfly of the ambient animation flutters there.
    window(p, {624, 40, 166, 50}, materialOf(0xFFFFFF), Color::hex(0x9FDCFF), Color::hex(0xEFFBFF));
    k.scene.spot("ambientAnim1", 660, 40);

    const Font font(style::titleFont, 15);
    board(p, {14, line[3] - 48, 150, 46}, materials::oak, Color::hex(0xF4E9C8), font,
        {"Plants & seeds", "grow something!"}, Color::hex(0x2F7F2A));
    shelfRun(k, "SSSSSSSSSSSSS", 180, 792, line[3], bench);

    fillAll(p, 430, 600, vertical(430, Color::hex(0x8FD86B), 600, Color::hex(0x5FB247)));
    counterTop(p, 420, materials::pine);
    for (int c = 0; c < 6; ++c)
        crate(p, {float(8 + c * 132), 456, 120, 50}, materials::pine);
    hideTokens(k, 4);
}

// --- 5 Sports Shop: team colours, steel racks with orange beams and pegboards.
void sportsShop(Kit& k)
{
    Painter& p = k.p;
    fillAll(p, 0, 430, vertical(0, Color::hex(0x5AA9E6), 430, Color::hex(0x3D86C6)));
    fillAll(p, 190, 236, solid(Color::hex(0xFFFFFF, 0.5f)));
    bunting(p, -10, 810, 1, 12, {Color::hex(0x1F4E9A), style::white, Color::hex(0xF28C1C)});
    k.scene.paintSign(k.shop.title, SignStyle::Metal, Color::hex(0x2A4069), Color::hex(0xFFFFFF));
    const std::vector<float> line = shelfLines("PPSPPS");
    pileRows(k, line, {0, 1, 3, 4}, {"TTTFTTTT", "TTTTTTTF", "TFTTTTTT", "TTTTTFTT"},
        [&](float y) { palletRack(p, y); });
    for (size_t r : {2, 5})
        pegboard(p, {8, line[r] - singleRow + 1, 606, singleRow - 4}, Color::hex(0xE8D2A8));
    shelfRun(k, "SSSSSSSSSSSSS", 8, 612, line[2], materials::steel);
    const Font font(style::titleFont, 20);
    board(p, {626, line[2] - 48, 130, 46}, materials::navy, Color::hex(0x1F2D44), font, {"GO TEAM!"},
        style::gold);
    k.scene.decorate(k.emoji, 0x1F4CB, 778, line[2] - 24, 26); // the coach's clipboard
    shelfRun(k, "SSSSSSSSSSSSS", 8, 612, line[5], materials::steel);
    wallClock(p, 662, line[5] - 25, 22, materials::steel);
    k.scene.decorate(k.emoji, 0x1F3DF, 744, line[5] - 25, 40); // a stadium poster

    counterFront(
        k, 432, planks(Color::hex(0x2A4069), Color::hex(0x15213A), 40, 0, true), materials::orangeSteel);
    hideTokens(k, 5);
}

// --- 6 Fashion Boutique: blush wallpaper, white and gold shelves, a mirror and rails.
void fashionBoutique(Kit& k)
{
    Painter& p = k.p;
    fillAll(p, 0, 430, wallpaper(Color::hex(0xFFE6EE), Color::hex(0xF6C2D3), Motif::Diamond, 30));
    awning(p, -4, 804, 0, 12, Color::hex(0xC9A0DC), Color::hex(0xFFF4FA), 28);
    k.scene.paintSign(k.shop.title, SignStyle::Ribbon, Color::hex(0xE84A7F), Color::hex(0xFFFFFF));
    const std::vector<float> line = shelfLines("SPPSPP");
    const Material gold = Material::of(0xFFE7A0, 0xE6BE5A, 0x9A7422);
    pileRows(k, line, {1, 2, 4, 5}, {"TTTTTFTT", "FTTTTTTT", "TTTFTTTT", "TTTTTTFT"},
        [&](float y) { postedBoard(p, 8, 792, y, materials::white, gold); });

    // The top row hangs on a rail.
    hangingRail(p, 10, 612, line[0] - singleRow + 4, gold);
    shelfBoard(p, 8, 614, line[0], materials::white, 6);
    k.scene.goods("SSSSSSSSSSSSS", 10, 612, line[0]);
    // A gold-framed mirror and a bouquet.
    const Box mirror{630, 42, 100, 48};
    p.fill(ellipse(680, 66, 50, 24), mirror.grown(2), solid(gold.dark));
    p.fill(ellipse(680, 66, 47, 21), mirror, solid(gold.mid));
    p.fill(ellipse(680, 66, 41, 16), mirror, vertical(48, Color::hex(0xF2FBFF), 84, Color::hex(0xC9E6F2)));
    p.fill(polygon({{654, 58}, {670, 54}, {652, 74}}), mirror, solid(Color::hex(0xFFFFFF, 0.7f)));
    k.scene.decorate(k.emoji, 0x1F490, 770, line[0] - 24, 30); // a bouquet on the shelf end

    shelfRun(k, "SSSSSSSSSSSSS", 8, 612, line[3], materials::white);
    const Font font(style::titleFont, 15);
    board(p, {622, line[3] - 48, 136, 46}, gold, Color::hex(0xFFFFFF), font, {"New season", "looks for you"},
        style::berryDark);
    k.scene.decorate(k.emoji, 0x1F483, 778, line[3] - 24, 26); // a dancer poster

    counterFront(k, 432, stripes(Color::hex(0xFFFFFF), Color::hex(0xF6C2D3), 44, true), gold);
    hideTokens(k, 6);
}

// --- 7 Music and Arts: a plum stage with spotlights, dark shelves and a piano-key counter.
void musicAndArts(Kit& k)
{
    Painter& p = k.p;
    fillAll(p, 0, 430, wallpaper(Color::hex(0x5B3F73), Color::hex(0x6E5187), Motif::Note, 44));
    for (float x : {230.0f, 420.0f, 610.0f})
        pendantLamp(p, x, -2, 20, 30, Color::hex(0x2F2F38));
    k.scene.paintSign(k.shop.title, SignStyle::Neon, Color::hex(0x2A1F35), Color::hex(0xFF7BD5));
    const std::vector<float> line = shelfLines("PSPPSP");
    pileRows(k, line, {0, 2, 3, 5}, {"TTTTTTFT", "TTFTTTTT", "TTTTTFTT", "TFTTTTTT"},
        [&](float y) { postedBoard(p, 8, 792, y, materials::walnut, materials::walnut); });

    shelfRun(k, "SSSSSSSSSSSSS", 186, 792, line[1], materials::walnut);
    const Font font(style::titleFont, 15);
    board(p, {10, line[1] - 48, 140, 46}, materialOf(0xFF7BD5), Color::hex(0x2A1F35), font,
        {"Open mic", "every Friday!"}, Color::hex(0xFFE9FA));
    k.scene.decorate(k.emoji, 0x1F57A, 168, line[1] - 24, 26); // a dancer on the poster wall

    shelfRun(k, "SSSSSSSSSSSSS", 8, 612, line[4], materials::walnut);
    // An easel with a small painting.
    const float ex = 676, ey = line[4] - 48;
    for (float dx : {-22.0f, 22.0f})
        p.fill(polygon({{ex + dx * 0.3f - 2, ey}, {ex + dx * 0.3f + 2, ey}, {ex + dx + 2, ey + 48},
                   {ex + dx - 2, ey + 48}}),
            {ex - 30, ey, 60, 50}, solid(materials::walnut.mid));
    p.panel({ex - 30, ey + 2, 60, 36}, 2, vertical(ey, Color::hex(0xBFE6FF), ey + 38, Color::hex(0x9FE08A)),
        materials::oak.dark, 2);
    p.fill(circle(ex + 14, ey + 12, 5), {ex, ey, 30, 30}, solid(style::gold));
    k.scene.decorate(k.emoji, 0x1F3AA, 758, line[4] - 24, 32); // a circus poster

    counterFront(
        k, 432,
        [](float x, float y) {
            // Piano keys: white keys with black keys in the upper part.
            const float u = std::fmod(x, 40.0f);
            const int key = int(std::floor(x / 40.0f)) % 7;
            const bool black = y < 520 && (u < 12 || u > 28) && key != 2 && key != 6
                && !(u < 12 && (key == 0 || key == 3));
            if (black)
                return Color::hex(0x1E1A22);
            return u < 1.5f ? Color::hex(0x9E958A) : Color::hex(0xFFFDF8);
        },
        materials::walnut);
    hideTokens(k, 7);
}

// --- 8 Hardware Store: brick walls, orange pallet racks and pegboards of tools.
void hardwareStore(Kit& k)
{
    Painter& p = k.p;
    fillAll(p, 0, 430, bricks(Color::hex(0xC8734A), Color::hex(0xE8D5C0), 44, 20, 0));
    p.fill(rect(-2, 0, 804, 10), {0, 0, 800, 10}, [](float x, float y) {
        return std::fmod(x + y + 1000, 24.0f) < 12 ? Color::hex(0xFFCB3D) : Color::hex(0x2B2B2B);
    });
    k.scene.paintSign(k.shop.title, SignStyle::Metal, Color::hex(0xFFCB3D), Color::hex(0x2B2B2B));
    const std::vector<float> line = shelfLines("SPPSPP");
    pileRows(k, line, {1, 2, 4, 5}, {"TFTTTTTT", "TTTTTTFT", "TTTFTTTT", "TTTTTTTF"},
        [&](float y) { palletRack(p, y); });
    pegboard(p, {8, line[0] - singleRow + 2, 606, singleRow - 4}, Color::hex(0xD9B27C));
    shelfRun(k, "SSSSSSSSSSSSS", 8, 612, line[0], materials::steel);
    const Font font(style::titleFont, 17);
    board(p, {624, 42, 132, 46}, materials::steel, Color::hex(0xFFCB3D), font, {"Fix it", "yourself!"},
        Color::hex(0x2B2B2B));
    k.scene.decorate(k.emoji, 0x1F477, 778, 66, 26); // a builder's poster

    pegboard(p, {188, line[3] - singleRow + 2, 604, singleRow - 4}, Color::hex(0xD9B27C));
    shelfRun(k, "SSSSSSSSSSSSS", 188, 792, line[3], materials::steel);
    wallClock(p, 44, line[3] - 25, 22, materials::steel);
    k.scene.decorate(k.emoji, 0x1F3D7, 130, line[3] - 25, 40); // a building-site poster

    counterFront(
        k, 432,
        [](float x, float y) {
            // Diamond plate.
            const float u = std::fmod(x + 1000, 24.0f) - 12, v = std::fmod(y + 1000, 24.0f) - 12;
            const bool bump = std::fabs(u + v) < 2.2f && std::fabs(u - v) < 9;
            return bump ? Color::hex(0xE2E8EE) : Color::hex(0xAEB8C2);
        },
        materials::orangeSteel);
    hideTokens(k, 8);
}

// --- 9 Beach Kiosk: open sky with drifting clouds, bamboo shelves and a view of the sea.
void beachKiosk(Kit& k)
{
    Painter& p = k.p;
    fillAll(p, 0, 80, vertical(0, Color::hex(0x5EC2F2), 80, Color::hex(0xBCE8FB)));
    p.fill(circle(600, 6, 30), {560, -30, 80, 80},
        radial(600, 6, 40, Color::hex(0xFFF7B0), Color::hex(0xFFD23F)));
    fillAll(p, 44, 430, planks(Color::hex(0xF2D9A8), Color::hex(0xC9A46A), 26, 0, true));
    // The thatched edge of the kiosk's roof, below the sky where the clouds drift.
    Shape fringe = rect(-4, 40, 808, 4);
    for (float x = -4; x < 804; x += 9)
        fringe = unite(fringe, polygon({{x, 42}, {x + 9, 42}, {x + 4.5f, 50}}));
    p.fill(fringe, {0, 38, 800, 14}, vertical(40, Color::hex(0xE8C56A), 50, Color::hex(0xB8923A)));
    k.scene.paintSign(k.shop.title, SignStyle::Board, Color::hex(0xD9B98A), Color::hex(0x2D6E8E));
    const std::vector<float> line = shelfLines("SPPSPP");
    pileRows(k, line, {1, 2, 4, 5}, {"TTTTFTTT", "TTTTTTTF", "TFTTTTTT", "TTTTTTFT"},
        [&](float y) { postedBoard(p, 8, 792, y, materials::bamboo, materials::bamboo); });

    shelfRun(k, "SSSSSSSSSSSSS", 8, 612, line[0], materials::bamboo);
    // An opening onto the sea, where the seagull flies past.
    const Box view{620, 40, 172, 50};
    p.fill(rect(view.x, view.y, view.w, view.h), view,
        vertical(view.y, Color::hex(0x8FD8FF), view.y + 30, Color::hex(0xD8F4FF)));
    p.fill(rect(view.x, view.y + 30, view.w, 20), view,
        vertical(view.y + 30, Color::hex(0x2E9FD8), view.bottom(), Color::hex(0x67C7F0)));
    p.fill(rect(view.x, view.y + 44, view.w, 6), view, solid(Color::hex(0xF7E3B5)));
    p.stroke(rect(view.x, view.y, view.w, view.h), view, 4, solid(materials::bamboo.dark));
    k.scene.spot("ambientAnim1", 650, 40);

    shelfRun(k, "SSSSSSSSSSSSS", 188, 792, line[3], materials::bamboo);
    // A surfboard leaning against the wall.
    const Shape board = ellipse(96, line[3] - 22, 80, 17);
    p.shadow(board, {14, line[3] - 44, 164, 40}, 3, 3, Color::hex(0x2B1A10, 0.3f));
    p.fill(board, {14, line[3] - 44, 164, 40},
        vertical(line[3] - 40, Color::hex(0xFF8A65), line[3], Color::hex(0xE8505B)));
    p.fill(
        intersect(board, rect(14, line[3] - 27, 164, 8)), {14, line[3] - 44, 164, 40}, solid(style::white));

    fillAll(p, 430, 600, vertical(430, Color::hex(0xF7E3B5), 600, Color::hex(0xE8C98A)));
    counterTop(p, 420, materials::bamboo);
    for (float x = 8; x < 800; x += 26)
        upright(p, x, 432, 540, 20, materials::bamboo);
    hideTokens(k, 9);
}

// --- 10 Electronics: a dark showroom with glowing glass shelves and wall screens.
void electronics(Kit& k)
{
    Painter& p = k.p;
    fillAll(p, 0, 430, [](float x, float y) {
        const bool grid = std::fmod(x + 1000, 40.0f) < 1.2f || std::fmod(y + 1000, 40.0f) < 1.2f;
        return grid ? Color::hex(0x2C3C5E) : Color::hex(0x1E2A44);
    });
    p.fill(rect(-2, 0, 804, 5), {0, 0, 800, 6}, solid(Color::hex(0x5CE1FF)));
    p.fill(rect(-2, 5, 804, 16), {0, 5, 800, 16},
        vertical(5, Color::hex(0x5CE1FF, 0.35f), 21, Color::hex(0x5CE1FF, 0)));
    k.scene.paintSign(k.shop.title, SignStyle::Neon, Color::hex(0x10182A), Color::hex(0x5CE1FF));
    const std::vector<float> line = shelfLines("PPSPPS");
    const Material dark = Material::of(0x4A5A78, 0x2C3A55, 0x121A2A);
    pileRows(k, line, {0, 1, 3, 4}, {"TTTTTFTT", "FTTTTTTT", "TTTFTTTT", "TTTTTTFT"}, [&](float y) {
        upright(p, 2, y - pileRow - 2, y + 10, 8, dark);
        upright(p, 790, y - pileRow - 2, y + 10, 8, dark);
        glassShelf(p, 10, 790, y, Color::hex(0x5CE1FF));
    });
    const Color magenta = Color::hex(0xFF6BD5);
    for (size_t r : {2, 5}) {
        glassShelf(p, r == 2 ? 186 : 8, r == 2 ? 792 : 614, line[r], magenta);
        k.scene.goods("SSSSSSSSSSSSS", r == 2 ? 188 : 10, r == 2 ? 790 : 612, line[r]);
    }
    // Wall screens in the free places.
    for (const Box& screen :
        {Box{12, line[2] - 48, 78, 46}, Box{98, line[2] - 48, 78, 46}, Box{626, line[5] - 48, 160, 46}}) {
        p.shadow(rect(screen.x, screen.y, screen.w, screen.h), screen, 3, 3, Color::hex(0x000000, 0.4f));
        p.panel(screen, 3, solid(Color::hex(0x0B0F18)), Color::hex(0x3A4A66), 2);
        p.fill(rect(screen.x + 4, screen.y + 4, screen.w - 8, screen.h - 8), screen, [=](float x, float) {
            return Color::hex(0x3F9BE8).mix(Color::hex(0xFF6BD5), (x - screen.x) / screen.w);
        });
        const float cx = screen.x + screen.w / 2, cy = screen.y + screen.h / 2;
        p.fill(polygon({{cx - 6, cy - 8}, {cx - 6, cy + 8}, {cx + 8, cy}}), screen,
            solid(Color::hex(0xFFFFFF, 0.85f)));
    }
    counterFront(k, 432, vertical(432, Color::hex(0x2C3A55), 600, Color::hex(0x121A2A)), dark);
    p.fill(rect(-2, 446, 804, 3), {0, 446, 800, 3}, solid(Color::hex(0x5CE1FF)));
    hideTokens(k, 10);
}

// --- 11 Corner Shop: a cosy little shop packed to the ceiling, with a cuckoo clock.
void cornerShop(Kit& k)
{
    Painter& p = k.p;
    fillAll(p, 0, 430, wallpaper(Color::hex(0xF8E8D0), Color::hex(0xD98A7E), Motif::Flower, 28));
    cabinetCrown(p, 0, 800, 0, materials::walnut);
    k.scene.paintSign(k.shop.title, SignStyle::Board, Color::hex(0xC0392B), Color::hex(0xFFFFFF));
    const std::vector<float> line = shelfLines("SPPSPP");
    // The cuckoo clock hangs in a free column at the right of the top three rows.
    shelfRun(k, "SSSSSSSSSSSSS", 8, 612, line[0], materials::walnut);
    board(p, {618, 43, 120, 46}, materials::walnut, Color::hex(0xFFFDF2), Font(style::titleFont, 15),
        {"Open daily", "7 till late"}, Color::hex(0xC0392B));
    k.scene.spot("ambientAnim1", 736, 42);
    pileShelf(k, "TTTFTTTT", 8, 742, line[1], materials::walnut, materials::walnut);
    pileShelf(k, "TTTTTTFT", 8, 742, line[2], materials::walnut, materials::walnut);
    pileShelf(k, "FTTTTTTT", 8, 792, line[4], materials::walnut, materials::walnut);
    pileShelf(k, "TTTTFTTT", 8, 792, line[5], materials::walnut, materials::walnut);

    const Font font(style::titleFont, 15);
    board(p, {14, line[3] - 48, 150, 46}, materials::walnut, Color::hex(0xFFFFFF), font,
        {"Daily News", "sweets & stamps"}, style::ink);
    shelfRun(k, "SSSSSSSSSSSSS", 180, 792, line[3], materials::walnut);
    // The first day's tutorial token sits on the news board, its speech bubble above it.
    k.scene.spot("hint_7", 146, line[3] - 40);
    k.scene.spot("hint_popup_bubble", 146 + 14 - 30, line[3] - 40 - 100);

    counterFront(k, 432, planks(Color::hex(0x3E7D5A), Color::hex(0x24513A), 44, 0, true), materials::walnut);
    hideTokens(k, 11);
}

// --- 12 Gift Shop, the player's own: open shelves over the wall that the player papers, the
// floor, counter, rug, plant and pet that the player chooses are pictures of their own.
void giftShop(Kit& k)
{
    Painter& p = k.p;
    k.scene.paintSign(k.shop.title, SignStyle::Ribbon, style::berry, Color::hex(0xFFFFFF));
    const std::vector<float> line = shelfLines("SPPSPP");
    shelfRun(k, "SSSSSSSSSSSSS", 8, 612, line[0], materials::oak);
    // The ornament stands on a small shelf of its own, the wall picture in the free column.
    shelfBoard(p, 620, 728, line[0], materials::oak, 8);
    bracket(p, 634, line[0] + 8, materials::oak);
    bracket(p, 714, line[0] + 8, materials::oak);
    const char* patterns[] = {"TTTTTFTT", "TFTTTTTT", "TTTFTTTT", "TTTTTTTF"};
    int i = 0;
    for (size_t r : {1, 2, 4, 5}) {
        const float right = r < 3 ? 734 : 792;
        shelfBoard(p, 8, right, line[r], materials::oak, 10);
        for (float x = 40; x < right; x += 180)
            bracket(p, x, line[r] + 10, materials::oak);
        k.scene.goods(patterns[i++], 8, right, line[r]);
    }
    shelfRun(k, "SSSSSSSSSSSSS", 186, 792, line[3], materials::oak);
    const Font font(style::titleFont, 15);
    board(p, {10, line[3] - 48, 140, 46}, materialOf(0xE84A7F), Color::hex(0xFFF6E3), font,
        {"My very own", "gift shop"}, style::berryDark);
    k.scene.decorate(k.emoji, 0x1F337, 168, line[3] - 24, 24); // tulips by the board
    hideTokens(k, 12);
}

} // namespace

void designShop(ShopScene& scene, const Shop& shop, const EmojiFont& emoji)
{
    Kit k{scene, shop, emoji, scene.painter()};
    switch (shop.number) {
    case 1:
        grocery(k);
        break;
    case 2:
        bakery(k);
        break;
    case 3:
        toyShop(k);
        break;
    case 4:
        gardenCentre(k);
        break;
    case 5:
        sportsShop(k);
        break;
    case 6:
        fashionBoutique(k);
        break;
    case 7:
        musicAndArts(k);
        break;
    case 8:
        hardwareStore(k);
        break;
    case 9:
        beachKiosk(k);
        break;
    case 10:
        electronics(k);
        break;
    case 11:
        cornerShop(k);
        break;
    default:
        giftShop(k);
        break;
    }
    std::set<uint32_t> goods;
    for (const CatalogueItem& item : shop.items)
        goods.insert(item.codepoint);
    for (uint32_t decoration : scene.decorations())
        if (goods.count(decoration))
            throw std::runtime_error("shop " + std::to_string(shop.number)
                + " paints one of its own goods (U+" + std::to_string(decoration) + ") as a decoration");
}

} // namespace contentgen
