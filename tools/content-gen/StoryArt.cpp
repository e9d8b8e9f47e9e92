// The story board: six picture-book pages that open the game. Kip dreams of a gift shop,
// has no money for it, and Rosa of the Corner Shop suggests looking after the town's shops
// while their owners take their summer holidays; each week earns something for Kip's shop.
// Every page keeps its bottom-right corner free for the "Next" button.
#include "CampaignArt.h"

#include "Style.h"

#include <cmath>

namespace contentgen {

namespace {

constexpr int pageWidth = 800, pageHeight = 600;
const Box page{0, 0, pageWidth, pageHeight};
const Color pen = Color::hex(0x2F4D8F);

Person rosa()
{
    Person p;
    p.skin = Color::hex(0xF1C6A8);
    p.hair = Color::hex(0xCFCAC4);
    p.hairStyle = HairStyle::Bun;
    p.shirt = Color::hex(0xB25FD0);
    p.apron = Color::hex(0xE8505B);
    p.trousers = Color::hex(0x5A4A6A);
    p.glasses = true;
    return p;
}

// The shop owners setting off on holiday, each dressed for their shop.
Person owner(int i)
{
    const Color skins[]
        = {Color::hex(0xE0A878), Color::hex(0xF4C7A1), Color::hex(0x8D5A3C), Color::hex(0xB97A50)};
    const Color hairs[]
        = {Color::hex(0x2B1A10), Color::hex(0xE8C25A), Color::hex(0x1E1410), Color::hex(0xA0502A)};
    const HairStyle styles[] = {HairStyle::Cap, HairStyle::Short, HairStyle::Long, HairStyle::Bald};
    const Color shirts[] = {style::leaf, Color::hex(0xF6E7C8), style::berry, Color::hex(0x2E9E83)};
    Person p;
    p.skin = skins[i % 4];
    p.hair = hairs[i % 4];
    p.hairStyle = styles[i % 4];
    p.shirt = shirts[i % 4];
    p.wearsApron = false;
    p.trousers = Color::hex(0x4A5A8A).mix(style::ink, 0.2f * (i % 2));
    return p;
}

void caption(Picture& out, const std::string& text)
{
    const Font font(style::titleFont, 25);
    const int lines = int(wrapLines(font, text, 716).size());
    drawCaption(out, {18, 12, 782, 12 + 40.0f + lines * 31}, font, text, 31);
}

void sticker(Picture& out, const EmojiFont& emoji, uint32_t codepoint, int size, float cx, float cy)
{
    out.draw(emojiSticker(emoji, codepoint, size, int(size * 0.86f)), int(cx - size / 2.0f),
        int(cy - size / 2.0f));
}

// A four-pointed twinkle
void twinkle(Picture& out, float x, float y, float r)
{
    paintIn(out, page, star(x, y, r, r * 0.22f, 4, 0), radial(x, y, r, style::white, style::gold));
}

// A thought cloud with three little puffs leading down to (tipX, tipY).
void thoughtCloud(Picture& out, const Box& box, float tipX, float tipY)
{
    const float w = box.right - box.left, h = box.bottom - box.top;
    Shape cloud = roundedRect(box.left + 10, box.top + 12, w - 20, h - 24, 30);
    for (int i = 0; i < 5; ++i) {
        const float x = box.left + 30 + (w - 60) * i / 4.0f;
        cloud = unite(cloud, unite(circle(x, box.top + 18, 20), circle(x, box.bottom - 18, 18)));
    }
    cloud = unite(cloud,
        unite(circle(box.left + 16, (box.top + box.bottom) / 2, 22),
            circle(box.right - 16, (box.top + box.bottom) / 2, 22)));
    const float sx = (box.left + box.right) / 2 - w * 0.15f, sy = box.bottom;
    for (int i = 1; i <= 3; ++i) {
        const float t = i / 3.6f;
        cloud = unite(cloud, circle(sx + (tipX - sx) * t, sy + (tipY - sy) * t, 12 - i * 2.5f));
    }
    shadowIn(out, page, cloud, 4, 4, style::shadow);
    paintIn(out, page, grow(cloud, 2.5f), solid(style::inkSoft));
    paintIn(out, page, cloud, vertical(box.top, style::white, box.bottom, Color::hex(0xF3F6FA)));
}

// Sky, the roofs of the town behind, and the pavement in front.
void streetScene(Picture& out, float pavementTop)
{
    drawSky(out, pavementTop);
    const Color walls[]
        = {Color::hex(0xF6D7C3), Color::hex(0xD8E9F5), Color::hex(0xF3E6B8), Color::hex(0xE2D6F0)};
    const Color roofs[]
        = {Color::hex(0xC8705A), Color::hex(0x6E8FB0), Color::hex(0xB5894A), Color::hex(0x8E6FA8)};
    for (int i = 0; i < 9; ++i) {
        const float left = -30 + i * 96.0f, w = 80 + (i * 37) % 30, h = 70 + (i * 53) % 50;
        const float top = pavementTop - h;
        const Box box{left - 4, top - 40, left + w + 4, pavementTop};
        const Shape house = unite(roundedRect(left, top, w, h + 4, 2),
            polygon({{left - 6, top + 2}, {left + w / 2, top - 32}, {left + w + 6, top + 2}}));
        paintIn(out, box, house, solid(walls[i % 4].withAlpha(0.9f)));
        paintIn(out, box, polygon({{left - 6, top + 2}, {left + w / 2, top - 32}, {left + w + 6, top + 2}}),
            solid(roofs[i % 4].withAlpha(0.85f)));
        for (int k = 0; k < 2; ++k)
            paintIn(out, box, roundedRect(left + 14 + k * (w - 44), top + 18, 16, 20, 2),
                solid(Color::hex(0x9FC7E0, 0.9f)));
    }
    drawPavement(out, pavementTop);
}

// ---- The pages ----------------------------------------------------------------------------

Picture dreamPage(const EmojiFont& emoji)
{
    Picture out(pageWidth, pageHeight);
    streetScene(out, 470);
    ShopFront empty;
    empty.wall = Color::hex(0xD9D2C8);
    empty.awning = Color::hex(0x9A938A);
    empty.name = "For Rent";
    empty.lit = false;
    drawShopFront(out, emoji, empty, {60, 190, 380, 478});
    // Kip, dreaming of the finished shop
    drawPerson(out, kip(), 470, 572, 1.0f, Pose::Stand);
    thoughtCloud(out, {480, 150, 780, 360}, 486, 392);
    ShopFront dream;
    dream.wall = Color::hex(0xF3E3FF);
    dream.awning = style::orange;
    dream.name = "Gift Shop";
    dream.goods = {0x1F381, 0x1F9F8, 0x1F388};
    drawShopFront(out, emoji, dream, {540, 178, 720, 336});
    twinkle(out, 532, 196, 12);
    twinkle(out, 734, 300, 9);
    caption(out,
        "This is Kip. Kip has a big dream: a little gift shop of their very own, right here on Market "
        "Street.");
    return out;
}

Picture piggyBankPage(const EmojiFont& emoji)
{
    Picture out(pageWidth, pageHeight);
    // Inside the empty shop: bare plaster and a concrete floor
    paintIn(out, page, roundedRect(-5, -5, 810, 480, 0),
        vertical(0, Color::hex(0xE2D8C9), 470, Color::hex(0xC9BCA9)));
    paintIn(out, page, roundedRect(-5, 470, 810, 140, 0),
        vertical(470, Color::hex(0xBDB5AA), 600, Color::hex(0x9F978C)));
    paintIn(out, page, roundedRect(-5, 462, 810, 12, 0), solid(Color::hex(0x8F8170)));
    strokeIn(out, page, polyline({{120, 150}, {132, 190}, {124, 226}, {140, 260}}, 0.2f), 1.6f,
        solid(Color::hex(0x8F8170)));
    // Kip with the piggy bank and its three coins
    drawPerson(out, kip(), 230, 572, 1.0f, Pose::Carry);
    sticker(out, emoji, 0x1F437, 92, 232, 486);
    for (int i = 0; i < 3; ++i)
        sticker(out, emoji, 0x1FA99, 40, 330 + i * 34.0f, 548 - (i % 2) * 10.0f);
    // The list of everything the shop needs
    const Box list{430, 158, 740, 500};
    const Shape paper = rotated(
        roundedRect(list.left, list.top, list.right - list.left, list.bottom - list.top, 4), 585, 330, 2);
    shadowIn(out, page, paper, 5, 5, style::shadow);
    paintIn(out, page, paper, solid(Color::hex(0xFFFDF5)));
    for (float y = 236; y < 490; y += 36)
        strokeIn(out, page, roundedRect(list.left + 14, y + 6, list.right - list.left - 28, 0.1f, 0), 1,
            solid(Color::hex(0x9DB7CF, 0.6f)));
    paintIn(
        out, page, circle(585, 174, 8), radial(582, 171, 9, style::berry.lighter(0.4f), style::berryDark));
    drawText(out, Font(style::titleFont, 30), "My shop needs:", 585, 214, TextAlign::Centre, inkLook(pen));
    const char* const needs[] = {"wallpaper", "a floor", "a sign", "a counter", "a shop window", "lights"};
    const Font hand(style::titleFont, 24);
    for (int i = 0; i < 6; ++i) {
        const float y = 238 + i * 36.0f;
        strokeIn(out, page, roundedRect(list.left + 22, y + 8, 18, 18, 3), 1.6f, solid(pen));
        drawText(out, hand, needs[i], list.left + 52, int(y + 26), TextAlign::Left, inkLook(pen));
    }
    caption(out,
        "But an empty shop needs so much: wallpaper, a floor, a sign, a counter… and Kip's piggy bank holds "
        "just three coins.");
    return out;
}

Picture ideaPage(const EmojiFont& emoji)
{
    Picture out(pageWidth, pageHeight);
    streetScene(out, 470);
    ShopFront corner;
    corner.awning = Color::hex(0xE8505B);
    corner.name = "Corner Shop";
    corner.goods = {0x1F4F0, 0x1F96B, 0x1F9FC, 0x1F4E6};
    drawShopFront(out, emoji, corner, {30, 160, 390, 478});
    drawPerson(out, rosa(), 330, 572, 0.95f, Pose::Wave);
    drawPerson(out, kip(), 540, 572, 1.0f, Pose::Stand, true);
    drawSpeechBubble(out, {410, 150, 782, 330}, 372, 372, Font(style::titleFont, 22),
        "Summer is here, and every shopkeeper in town wants a holiday! Will you look after our shops while "
        "we are away?",
        26);
    caption(out, "Then Rosa from the Corner Shop has an idea.");
    return out;
}

Picture holidayPage(const EmojiFont& emoji)
{
    Picture out(pageWidth, pageHeight);
    streetScene(out, 440);
    const struct {
        const char* name;
        uint32_t awning;
        uint32_t wall;
        uint32_t goods[3];
    } shops[] = {
        {"Grocery", 0x5CC44E, 0xFCE9C8, {0x1F34E, 0x1F34C, 0x1F955}},
        {"Bakery", 0xF2A541, 0xFFF1DE, {0x1F950, 0x1F35E, 0x1F370}},
        {"Toy Shop", 0xE84A7F, 0xFDE3EC, {0x1F9F8, 0x1F680, 0x1FA80}},
        {"Garden Centre", 0x2E9E83, 0xE3F5E9, {0x1F337, 0x1F33B, 0x1FAB4}},
    };
    for (int i = 0; i < 4; ++i) {
        ShopFront front;
        front.name = shops[i].name;
        front.awning = Color::hex(shops[i].awning);
        front.wall = Color::hex(shops[i].wall);
        front.goods = {shops[i].goods[0], shops[i].goods[1], shops[i].goods[2]};
        const float left = 14 + i * 194.0f;
        drawShopFront(out, emoji, front, {left, 170, left + 184, 446});
    }
    for (int i = 0; i < 4; ++i) {
        const float x = 84 + i * 194.0f;
        sticker(out, emoji, 0x1F9F3, 62, x + 62, 480);
        drawPerson(out, owner(i), x, 514, 0.62f, i % 2 ? Pose::Wave : Pose::Cheer);
    }
    caption(out,
        "The grocer, the baker, the toy maker and many more: one after another they pack their bags, and Kip "
        "keeps each shop running for a week.");
    return out;
}

Picture howToPlayPage(const EmojiFont& emoji)
{
    Picture out(pageWidth, pageHeight);
    // A shop inside: striped wall, wooden floor, two shelves of goods
    paintIn(out, page, roundedRect(-5, -5, 810, 480, 0), [](float x, float y) {
        const Color wall = Color::hex(0xFCE9C8).mix(Color::hex(0xF4D3A1), y / 470);
        return int(x / 20) % 2 ? wall : wall.lighter(0.25f);
    });
    paintIn(out, page, roundedRect(-5, 470, 810, 140, 0), vertical(470, style::wood, 600, style::woodDark));
    paintIn(out, page, roundedRect(-5, 466, 810, 8, 0), solid(style::woodLight));
    const uint32_t goods[2][6] = {{0x1F34E, 0x1F34C, 0x1F347, 0x1F35E, 0x1F955, 0x1F9C0},
        {0x1F350, 0x1F34A, 0x1F34B, 0x1F349, 0x1F353, 0x1F966}};
    for (int shelf = 0; shelf < 2; ++shelf) {
        const float y = 270 + shelf * 130.0f;
        for (int i = 0; i < 6; ++i)
            sticker(out, emoji, goods[shelf][i], 58, 70 + i * 74.0f, y - 30);
        const Shape plank = roundedRect(24, y, 470, 16, 4);
        shadowIn(out, page, plank, 4, 3, style::shadow);
        paintIn(out, page, plank, vertical(y, style::woodLight, y + 16, style::wood));
        strokeIn(out, page, plank, 1.5f, solid(style::woodDark));
    }
    // The wished apple glows, and Kip points at it
    paintIn(out, page, circle(70, 240, 40),
        radial(70, 240, 40, Color::hex(0xFFF3B0, 0.9f), Color::hex(0xFFF3B0, 0.0f)));
    sticker(out, emoji, 0x1F34E, 58, 70, 240);
    twinkle(out, 104, 208, 12);
    sticker(out, emoji, 0x1F446, 50, 82, 296);
    drawPerson(out, kip(), 240, 590, 0.78f, Pose::Point, true);
    // A customer with her wish in a thought bubble
    out.draw(emojiSticker(emoji, 0x1F469, 132, 116), 590, 372);
    thoughtCloud(out, {548, 168, 770, 330}, 640, 372);
    sticker(out, emoji, 0x1F34E, 64, 610, 246);
    drawText(out, Font(style::boldFont, 22), "2 apples", 700, 256, TextAlign::Centre, inkLook(style::ink));
    caption(out,
        "Customers show their wishes in thought bubbles. Click the wished items on the shelves: serve 10 "
        "customers to pass a day, and 15 for a gold star!");
    return out;
}

Picture promisePage(const EmojiFont& emoji)
{
    Picture out(pageWidth, pageHeight);
    streetScene(out, 470);
    ShopFront own;
    own.wall = Color::hex(0xF3E3FF);
    own.awning = style::orange;
    own.name = "Kip's Gift Shop";
    own.goods = {0x1F381, 0x1F9F8, 0x1F388, 0x1F490};
    drawShopFront(out, emoji, own, {170, 170, 560, 478});
    // What the weeks will bring, floating around the shop
    const struct {
        uint32_t code;
        float x, y;
    } things[] = {{0x1F4A1, 100, 230}, {0x1FAB4, 84, 380}, {0x1F5BC, 640, 220}, {0x1FA99, 650, 360},
        {0x1F58C, 720, 290}, {0x1F6CE, 130, 480}};
    for (const auto& t : things)
        sticker(out, emoji, t.code, 64, t.x, t.y);
    for (const auto& [x, y, r] :
        {std::array<float, 3>{160, 190, 12}, {590, 170, 10}, {700, 420, 11}, {60, 300, 9}})
        twinkle(out, x, y, r);
    drawPerson(out, kip(), 470, 590, 0.9f, Pose::Cheer);
    caption(out,
        "Every week brings something new for Kip's own shop. Open the diary and start at the Corner Shop!");
    return out;
}

} // namespace

int makeStoryArt(PictureWriter& out, const EmojiFont& emoji)
{
    const std::vector<Picture> pages = {dreamPage(emoji), piggyBankPage(emoji), ideaPage(emoji),
        holidayPage(emoji), howToPlayPage(emoji), promisePage(emoji)};
    for (size_t i = 0; i < pages.size(); ++i)
        out.write("storyboard1_" + std::to_string(i + 1), pages[i]);
    return int(pages.size());
}

} // namespace contentgen
